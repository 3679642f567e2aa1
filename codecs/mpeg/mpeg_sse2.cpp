// The inner loops with SSE2 intrinsics, built unless MORVANE_SIMD is off or
// the machine lacks SSE2; mpeg_scalar.cpp gives the same bits without them.

#include "codecs/mpeg/mpeg_kernels.h"

#if MORVANE_MPEG_SSE2

#include <emmintrin.h>

namespace morvane::mpeg::sse2 {

namespace {

// For each frequency, the basis values of neighbouring sample pairs, packed
// as _mm_madd_epi16 takes them: pairs[frequency][pair] = (b[2 pair], b[2 pair + 1]).
struct PairedBasis {
  __m128i Pairs[8][4];
};

PairedBasis MakeBasis() {
  const DctBasis& b = TheDctBasis();
  PairedBasis basis{};
  for (int u = 0; u < 8; ++u) {
    for (int pair = 0; pair < 4; ++pair) {
      const int16_t even = b[u][2 * pair];
      const int16_t odd = b[u][2 * pair + 1];
      basis.Pairs[u][pair] = _mm_set_epi16(odd, even, odd, even, odd, even, odd, even);
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

// Multiply-add weights for the 16-bit pairs (red, blue) and (green, 1): the
// second pair carries the rounding constant.
const __m128i kRedBlue = _mm_set1_epi32(121 << 16 | 330);
const __m128i kGreenOne = _mm_set1_epi32(640 << 16 | 649);

// Sixteen sums (four lanes of 32 bits in each vector) to sixteen luminance
// samples. sum / 1280 is (sum / 256) / 5, and x / 5 is (x * 13108) >> 16 for
// the x < 1100 that occur.
void StoreLuminance(const __m128i sums[4], uint8_t* out) {
  const __m128i low = _mm_set1_epi32(255);
  const __m128i one = _mm_set1_epi16(1);
  __m128i half[2];
  for (int h = 0; h < 2; ++h) {
    const __m128i x = _mm_packs_epi32(_mm_srai_epi32(sums[2 * h], 8), _mm_srai_epi32(sums[2 * h + 1], 8));
    const __m128i rest = _mm_packs_epi32(_mm_and_si128(sums[2 * h], low), _mm_and_si128(sums[2 * h + 1], low));
    const __m128i level = _mm_mulhi_epu16(x, _mm_set1_epi16(13108));
    const __m128i tie = _mm_and_si128(_mm_cmpeq_epi16(rest, _mm_setzero_si128()),
                                      _mm_cmpeq_epi16(_mm_mullo_epi16(level, _mm_set1_epi16(5)), x));
    half[h] = _mm_add_epi16(_mm_sub_epi16(level, _mm_and_si128(tie, _mm_and_si128(level, one))), _mm_set1_epi16(16));
  }
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(half[0], half[1]));
}

// Sixteen pixels of 3 bytes. Interleaving the first 24 bytes with the last 24
// moves byte i to 2 i modulo 47; four times over, byte 3 j + c goes to
// 16 c + j (16 is the inverse of 3 modulo 47), which sorts the bytes into
// reds, greens and blues.
void WeighSixteen3(const uint8_t* pixels, __m128i sums[4]) {
  __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels));
  __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + 16));
  __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + 32));
  for (int round = 0; round < 4; ++round) {
    const __m128i first = _mm_unpacklo_epi8(a, _mm_unpackhi_epi64(b, b));
    const __m128i second = _mm_unpacklo_epi8(_mm_unpackhi_epi64(a, a), c);
    const __m128i third = _mm_unpacklo_epi8(b, _mm_unpackhi_epi64(c, c));
    a = first;
    b = second;
    c = third;
  }
  const __m128i zero = _mm_setzero_si128();
  const __m128i ones = _mm_set1_epi8(1);
  // Byte pairs (red, blue) and (green, 1), widened to 16-bit pairs.
  const __m128i redBlue[2] = {_mm_unpacklo_epi8(a, c), _mm_unpackhi_epi8(a, c)};
  const __m128i greenOne[2] = {_mm_unpacklo_epi8(b, ones), _mm_unpackhi_epi8(b, ones)};
  for (int h = 0; h < 2; ++h) {
    for (int q = 0; q < 2; ++q) {
      const __m128i rb = q == 0 ? _mm_unpacklo_epi8(redBlue[h], zero) : _mm_unpackhi_epi8(redBlue[h], zero);
      const __m128i g1 = q == 0 ? _mm_unpacklo_epi8(greenOne[h], zero) : _mm_unpackhi_epi8(greenOne[h], zero);
      sums[2 * h + q] = _mm_add_epi32(_mm_madd_epi16(rb, kRedBlue), _mm_madd_epi16(g1, kGreenOne));
    }
  }
}

// Sixteen pixels of 4 bytes: each 32-bit lane holds one pixel, so masks and
// shifts give the (red, blue) and (green, 1) pairs directly.
void WeighSixteen4(const uint8_t* pixels, __m128i sums[4]) {
  const __m128i evenBytes = _mm_set1_epi32(0x00FF00FF);
  const __m128i greenMask = _mm_set1_epi32(0x000000FF);
  const __m128i oneAbove = _mm_set1_epi32(0x00010000);
  for (int q = 0; q < 4; ++q) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + 16 * q));
    const __m128i rb = _mm_and_si128(v, evenBytes);
    const __m128i g1 = _mm_or_si128(_mm_and_si128(_mm_srli_epi32(v, 8), greenMask), oneAbove);
    sums[q] = _mm_add_epi32(_mm_madd_epi16(rb, kRedBlue), _mm_madd_epi16(g1, kGreenOne));
  }
}

template <int kPixelBytes>
int LuminanceSixteens(const uint8_t* pixels, int width, uint8_t* out) {
  int x = 0;
  for (__m128i sums[4]; x + 16 <= width; x += 16, pixels += 16 * kPixelBytes) {
    if constexpr (kPixelBytes == 3) {
      WeighSixteen3(pixels, sums);
    } else {
      WeighSixteen4(pixels, sums);
    }
    StoreLuminance(sums, out + x);
  }
  return x;
}

int LaneSum(__m128i v) {
  v = _mm_add_epi32(v, _mm_shuffle_epi32(v, _MM_SHUFFLE(1, 0, 3, 2)));
  v = _mm_add_epi32(v, _mm_shuffle_epi32(v, _MM_SHUFFLE(2, 3, 0, 1)));
  return _mm_cvtsi128_si32(v);
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

// Sixteen pixels at a time, the rest of the row one by one.
void LuminanceRow(const uint8_t* pixels, int pixelBytes, int width, uint8_t* out) {
  const int done =
      pixelBytes == 4 ? LuminanceSixteens<4>(pixels, width, out) : LuminanceSixteens<3>(pixels, width, out);
  scalar::LuminanceRow(pixels + done * pixelBytes, pixelBytes, width - done, out + done);
}

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

}  // namespace morvane::mpeg::sse2

#endif
