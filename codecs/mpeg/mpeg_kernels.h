#pragma once

// The writer's three inner loops, each in plain C++ for every machine and in
// SSE2 where the build has it: the forward DCT of a block, the luminance of a
// row of pixels and the squared difference of two macroblocks. Both forms
// give the same bits; the writer calls the one the build chose (`kernels`).
// Configuring with MORVANE_SIMD=OFF leaves the intrinsics out.

#include <array>
#include <cstddef>
#include <cstdint>

#include "codecs/mpeg/mpeg_dct.h"

#if defined(__SSE2__) && MORVANE_SIMD
#define MORVANE_MPEG_SSE2 1
#else
#define MORVANE_MPEG_SSE2 0
#endif

namespace morvane::mpeg {

// Basis functions scaled by 4096: 4096 C(u)/2 cos((2x + 1) u pi / 16), with
// C(0) = 1/sqrt(2) and C(u) = 1 otherwise, as [u][x]. Applied down the columns
// and then along the rows they give the orthonormal transform.
constexpr int kBasisBits = 12;
using DctBasis = std::array<std::array<int16_t, 8>, 8>;
const DctBasis& TheDctBasis();
// The first pass keeps 6 fractional bits, as many as 16-bit lanes hold for
// samples shifted to -128..127; the second pass's sums fit in 32 bits. Each
// pass rounds half up and keeps 16 bits, saturating.
constexpr int kFirstShift = kBasisBits - 6;
constexpr int kSecondShift = 2 * kBasisBits - kFirstShift;
// Taking 128 off every sample takes 8 x 128 off the DC term.
constexpr int kLevelShift = 128;
constexpr int kDcOfLevelShift = 8 * kLevelShift;

// The luminance weights are 330, 649 and 121 in 1280ths; a sum exactly
// halfway between two levels goes to the even one.
inline int LuminanceSum(const uint8_t* pixel) { return 330 * pixel[0] + 649 * pixel[1] + 121 * pixel[2] + 640; }
inline uint8_t LuminanceOfSum(int sum) {
  const int level = sum / 1280;
  return static_cast<uint8_t>(level - ((level * 1280 == sum) & level) + 16);
}

namespace scalar {
void ForwardDct(const uint8_t* samples, std::ptrdiff_t stride, Coefficients& coefficients);
// The luminance of `width` pixels of `pixelBytes` (3 or 4) bytes each.
void LuminanceRow(const uint8_t* pixels, int pixelBytes, int width, uint8_t* out);
// The sum of squared differences of two 16 x 16 blocks, given up (with the
// partial sum after a multiple of four rows, at least `limit`) once it cannot
// come in under `limit`.
int SquaredDifference(const uint8_t* a, const uint8_t* b, std::ptrdiff_t stride, int limit);
}  // namespace scalar

#if MORVANE_MPEG_SSE2
namespace sse2 {
void ForwardDct(const uint8_t* samples, std::ptrdiff_t stride, Coefficients& coefficients);
void LuminanceRow(const uint8_t* pixels, int pixelBytes, int width, uint8_t* out);
int SquaredDifference(const uint8_t* a, const uint8_t* b, std::ptrdiff_t stride, int limit);
}  // namespace sse2
namespace kernels = sse2;
#else
namespace kernels = scalar;
#endif

}  // namespace morvane::mpeg
