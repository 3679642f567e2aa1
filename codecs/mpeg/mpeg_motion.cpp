#include "codecs/mpeg/mpeg_motion.h"

#include <emmintrin.h>

#include <cstdlib>

namespace morvane::mpeg {

namespace {

constexpr int kPenaltyPerPixel = 16;
constexpr int kCandidatesPerRow = 2 * kSearchRange + 1;

bool Inside(const TImageBW& plane, int x, int y) {
  return x >= 0 && y >= 0 && x + 15 < plane.Width && y + 15 < plane.Height;
}

int LaneSum(__m128i v) {
  v = _mm_add_epi32(v, _mm_shuffle_epi32(v, _MM_SHUFFLE(1, 0, 3, 2)));
  v = _mm_add_epi32(v, _mm_shuffle_epi32(v, _MM_SHUFFLE(2, 3, 0, 1)));
  return _mm_cvtsi128_si32(v);
}

// The sum of squared differences of two 16 x 16 blocks, given up (with a
// partial sum of at least `limit`) once it cannot come in under `limit`.
int SquaredDifference(const uint8_t* a, const uint8_t* b, std::ptrdiff_t stride, int limit) {
  const __m128i zero = _mm_setzero_si128();
  __m128i sum = zero;
  for (int row = 0; row < 16; ++row, a += stride, b += stride) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a));
    const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b));
    const __m128i low = _mm_sub_epi16(_mm_unpacklo_epi8(x, zero), _mm_unpacklo_epi8(y, zero));
    const __m128i high = _mm_sub_epi16(_mm_unpackhi_epi8(x, zero), _mm_unpackhi_epi8(y, zero));
    sum = _mm_add_epi32(sum, _mm_add_epi32(_mm_madd_epi16(low, low), _mm_madd_epi16(high, high)));
    if (row % 4 == 3 && LaneSum(sum) >= limit) {
      break;
    }
  }
  return LaneSum(sum);
}

}  // namespace

// The still block is tried first: it usually wins, and its cost bounds every
// other sum, most of which then stop after a few rows. Scan order still
// decides ties: a candidate before the best so far wins an equal cost.
MotionChoice SearchMotion(const TImageBW& current, const TImageBW& previous, int x, int y) {
  const std::ptrdiff_t stride = current.PaddedWidth;
  const uint8_t* block = current.Row(y) + x;
  const int stillIndex = kSearchRange * kCandidatesPerRow + kSearchRange;
  MotionChoice best{{0, 0}, kOutsideCost};
  if (Inside(previous, x, y)) {
    best.Cost = SquaredDifference(block, previous.Row(y) + x, stride, kOutsideCost);
  }
  int bestIndex = stillIndex;
  for (int dy = -kSearchRange; dy <= kSearchRange; ++dy) {
    for (int dx = -kSearchRange; dx <= kSearchRange; ++dx) {
      const int index = (dy + kSearchRange) * kCandidatesPerRow + dx + kSearchRange;
      if (index == stillIndex) {
        continue;
      }
      const bool earlier = index < bestIndex;
      int cost = kOutsideCost;
      if (Inside(previous, x + dx, y + dy)) {
        const int penalty = kPenaltyPerPixel * (std::abs(dx) + std::abs(dy));
        const int limit = best.Cost - penalty + (earlier ? 1 : 0);
        if (limit <= 0) {
          continue;
        }
        cost = SquaredDifference(block, previous.Row(y + dy) + x + dx, stride, limit) + penalty;
      }
      if (cost < best.Cost || (cost == best.Cost && earlier)) {
        best = {{dx, dy}, cost};
        bestIndex = index;
      }
    }
  }
  return best;
}

int MacroblockVariance(const TImageBW& plane, int x, int y) {
  int sum = 0;
  for (int row = 0; row < 16; ++row) {
    const uint8_t* samples = plane.Row(y + row) + x;
    for (int column = 0; column < 16; ++column) {
      sum += samples[column];
    }
  }
  const int mean = sum / 256;
  int squares = 0;
  for (int row = 0; row < 16; ++row) {
    const uint8_t* samples = plane.Row(y + row) + x;
    for (int column = 0; column < 16; ++column) {
      const int d = samples[column] - mean;
      squares += d * d;
    }
  }
  return squares / 256;
}

}  // namespace morvane::mpeg
