#include "codecs/mpeg/mpeg_motion.h"

#include <cstdlib>

#include "codecs/mpeg/mpeg_kernels.h"

namespace morvane::mpeg {

namespace {

constexpr int kPenaltyPerPixel = 16;
constexpr int kCandidatesPerRow = 2 * kSearchRange + 1;

bool Inside(const TImageBW& plane, int x, int y) {
  return x >= 0 && y >= 0 && x + 15 < plane.Width && y + 15 < plane.Height;
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
    best.Cost = kernels::SquaredDifference(block, previous.Row(y) + x, stride, kOutsideCost);
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
        cost = kernels::SquaredDifference(block, previous.Row(y + dy) + x + dx, stride, limit) + penalty;
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
