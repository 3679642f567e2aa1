// The inner loops in plain C++, in the order of operations of their SSE2
// forms, so that both give the same bits.

#include <algorithm>
#include <limits>

#include "codecs/mpeg/mpeg_kernels.h"

namespace morvane::mpeg::scalar {

namespace {

// A sum rounded at `shift` bits and kept in 16 bits, as a lane of the SSE2
// transform keeps it.
int RoundToLane(int sum, int shift) {
  return std::clamp((sum + (1 << (shift - 1))) >> shift, int{std::numeric_limits<int16_t>::min()},
                    int{std::numeric_limits<int16_t>::max()});
}

}  // namespace

void ForwardDct(const uint8_t* samples, std::ptrdiff_t stride, Coefficients& coefficients) {
  const DctBasis& basis = TheDctBasis();
  int columns[8][8];  // [vertical frequency][x]
  for (int v = 0; v < 8; ++v) {
    for (int x = 0; x < 8; ++x) {
      int sum = 0;
      for (int y = 0; y < 8; ++y) {
        sum += basis[v][y] * (samples[y * stride + x] - kLevelShift);
      }
      columns[v][x] = RoundToLane(sum, kFirstShift);
    }
  }
  for (int v = 0; v < 8; ++v) {
    for (int u = 0; u < 8; ++u) {
      int sum = 0;
      for (int x = 0; x < 8; ++x) {
        sum += basis[u][x] * columns[v][x];
      }
      coefficients[8 * v + u] = RoundToLane(sum, kSecondShift);
    }
  }
  coefficients[0] += kDcOfLevelShift;
}

void LuminanceRow(const uint8_t* pixels, int pixelBytes, int width, uint8_t* out) {
  for (int x = 0; x < width; ++x, pixels += pixelBytes) {
    out[x] = LuminanceOfSum(LuminanceSum(pixels));
  }
}

int SquaredDifference(const uint8_t* a, const uint8_t* b, std::ptrdiff_t stride, int limit) {
  int sum = 0;
  for (int row = 0; row < 16; ++row, a += stride, b += stride) {
    for (int x = 0; x < 16; ++x) {
      const int d = a[x] - b[x];
      sum += d * d;
    }
    if (row % 4 == 3 && sum >= limit) {
      break;
    }
  }
  return sum;
}

}  // namespace morvane::mpeg::scalar
