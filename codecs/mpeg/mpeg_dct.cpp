#include "codecs/mpeg/mpeg_dct.h"

#include <emmintrin.h>

#include <cmath>
#include <numbers>

namespace morvane::mpeg {

namespace {

// Basis functions scaled by 4096: 4096 C(u)/2 cos((2x + 1) u pi / 16), with
// C(0) = 1/sqrt(2) and C(u) = 1 otherwise. Applied down the columns and then
// along the rows they give the orthonormal transform.
constexpr int kBasisBits = 12;
// The first pass keeps 6 fractional bits, as many as 16-bit lanes hold for
// samples shifted to -128..127; the second pass's sums fit in 32 bits.
constexpr int kFirstShift = kBasisBits - 6;
constexpr int kSecondShift = 2 * kBasisBits - kFirstShift;
// Taking 128 off every sample takes 8 x 128 off the DC term.
constexpr int kLevelShift = 128;
constexpr int kDcOfLevelShift = 8 * kLevelShift;

// For each frequency, the basis values of neighbouring sample pairs, packed
// as _mm_madd_epi16 takes them: pairs[frequency][pair] = (b[2 pair], b[2 pair + 1]).
struct PairedBasis {
  __m128i Pairs[8][4];
};

PairedBasis MakeBasis() {
  PairedBasis basis{};
  for (int u = 0; u < 8; ++u) {
    const double scale = u == 0 ? std::sqrt(0.5) / 2 : 0.5;
    int16_t b[8];
    for (int x = 0; x < 8; ++x) {
      const double value = scale * std::cos((2 * x + 1) * u * std::numbers::pi / 16);
      b[x] = static_cast<int16_t>(std::lround((1 << kBasisBits) * value));
    }
    for (int pair = 0; pair < 4; ++pair) {
      basis.Pairs[u][pair] = _mm_set_epi16(b[2 * pair + 1], b[2 * pair], b[2 * pair + 1], b[2 * pair],
                                           b[2 * pair + 1], b[2 * pair], b[2 * pair + 1], b[2 * pair]);
    }
  }
  return basis;
}

const PairedBasis& TheBasis() {
  static const PairedBasis basis = MakeBasis();
  return basis;
}

// out[f] = round(sum over i of basis[f][i] * in[i] / 2^shift), for the eight
// lanes at once.
void TransformLanes(const __m128i in[8], __m128i out[8], int shift) {
  const PairedBasis& basis = TheBasis();
  __m128i low[4];
  __m128i high[4];
  for (int pair = 0; pair < 4; ++pair) {
    low[pair] = _mm_unpacklo_epi16(in[2 * pair], in[2 * pair + 1]);
    high[pair] = _mm_unpackhi_epi16(in[2 * pair], in[2 * pair + 1]);
  }
  const __m128i half = _mm_set1_epi32(1 << (shift - 1));
  const __m128i count = _mm_cvtsi32_si128(shift);
  for (int f = 0; f < 8; ++f) {
    __m128i sumLow = half;
    __m128i sumHigh = half;
    for (int pair = 0; pair < 4; ++pair) {
      sumLow = _mm_add_epi32(sumLow, _mm_madd_epi16(low[pair], basis.Pairs[f][pair]));
      sumHigh = _mm_add_epi32(sumHigh, _mm_madd_epi16(high[pair], basis.Pairs[f][pair]));
    }
    out[f] = _mm_packs_epi32(_mm_sra_epi32(sumLow, count), _mm_sra_epi32(sumHigh, count));
  }
}

void Transpose(__m128i rows[8]) {
  const __m128i a0 = _mm_unpacklo_epi16(rows[0], rows[1]);
  const __m128i a1 = _mm_unpackhi_epi16(rows[0], rows[1]);
  const __m128i a2 = _mm_unpacklo_epi16(rows[2], rows[3]);
  const __m128i a3 = _mm_unpackhi_epi16(rows[2], rows[3]);
  const __m128i a4 = _mm_unpacklo_epi16(rows[4], rows[5]);
  const __m128i a5 = _mm_unpackhi_epi16(rows[4], rows[5]);
  const __m128i a6 = _mm_unpacklo_epi16(rows[6], rows[7]);
  const __m128i a7 = _mm_unpackhi_epi16(rows[6], rows[7]);
  const __m128i b0 = _mm_unpacklo_epi32(a0, a2);
  const __m128i b1 = _mm_unpackhi_epi32(a0, a2);
  const __m128i b2 = _mm_unpacklo_epi32(a1, a3);
  const __m128i b3 = _mm_unpackhi_epi32(a1, a3);
  const __m128i b4 = _mm_unpacklo_epi32(a4, a6);
  const __m128i b5 = _mm_unpackhi_epi32(a4, a6);
  const __m128i b6 = _mm_unpacklo_epi32(a5, a7);
  const __m128i b7 = _mm_unpackhi_epi32(a5, a7);
  rows[0] = _mm_unpacklo_epi64(b0, b4);
  rows[1] = _mm_unpackhi_epi64(b0, b4);
  rows[2] = _mm_unpacklo_epi64(b1, b5);
  rows[3] = _mm_unpackhi_epi64(b1, b5);
  rows[4] = _mm_unpacklo_epi64(b2, b6);
  rows[5] = _mm_unpackhi_epi64(b2, b6);
  rows[6] = _mm_unpacklo_epi64(b3, b7);
  rows[7] = _mm_unpackhi_epi64(b3, b7);
}

}  // namespace

void ForwardDct(const uint8_t* samples, std::ptrdiff_t stride, Coefficients& coefficients) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i levelShift = _mm_set1_epi16(kLevelShift);
  __m128i rows[8];
  for (int y = 0; y < 8; ++y) {
    const __m128i bytes = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(samples + y * stride));
    rows[y] = _mm_sub_epi16(_mm_unpacklo_epi8(bytes, zero), levelShift);
  }
  __m128i columns[8];
  TransformLanes(rows, columns, kFirstShift);
  Transpose(columns);
  TransformLanes(columns, rows, kSecondShift);
  Transpose(rows);
  for (int v = 0; v < 8; ++v) {
    const __m128i sign = _mm_srai_epi16(rows[v], 15);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(&coefficients[8 * v]), _mm_unpacklo_epi16(rows[v], sign));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(&coefficients[8 * v + 4]), _mm_unpackhi_epi16(rows[v], sign));
  }
  coefficients[0] += kDcOfLevelShift;
}

}  // namespace morvane::mpeg
