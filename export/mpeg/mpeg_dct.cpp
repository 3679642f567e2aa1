#include "export/mpeg/mpeg_dct.h"

#include <cmath>
#include <numbers>

namespace morvane::mpeg {

namespace {

// Basis functions scaled by 4096: kBasis[u][x] = 4096 C(u)/2 cos((2x + 1) u pi / 16),
// with C(0) = 1/sqrt(2) and C(u) = 1 otherwise. Applied to the rows and then
// to the columns they give the orthonormal transform scaled by 4096^2.
constexpr int kBasisBits = 12;

using Basis = std::array<std::array<int, 8>, 8>;

Basis MakeBasis() {
  Basis basis{};
  for (int u = 0; u < 8; ++u) {
    const double scale = u == 0 ? std::sqrt(0.5) / 2 : 0.5;
    for (int x = 0; x < 8; ++x) {
      basis[u][x] = static_cast<int>(std::lround((1 << kBasisBits) * scale * std::cos((2 * x + 1) * u * std::numbers::pi / 16)));
    }
  }
  return basis;
}

const Basis& TheBasis() {
  static const Basis basis = MakeBasis();
  return basis;
}

}  // namespace

void ForwardDct(const uint8_t* samples, std::ptrdiff_t stride, Coefficients& coefficients) {
  const Basis& basis = TheBasis();
  std::array<std::array<int64_t, 8>, 8> rows{};
  for (int y = 0; y < 8; ++y) {
    const uint8_t* row = samples + y * stride;
    for (int u = 0; u < 8; ++u) {
      int64_t sum = 0;
      for (int x = 0; x < 8; ++x) {
        sum += basis[u][x] * row[x];
      }
      rows[y][u] = sum;
    }
  }
  constexpr int kShift = 2 * kBasisBits;
  for (int v = 0; v < 8; ++v) {
    for (int u = 0; u < 8; ++u) {
      int64_t sum = 0;
      for (int y = 0; y < 8; ++y) {
        sum += basis[v][y] * rows[y][u];
      }
      coefficients[v * 8 + u] = static_cast<int>((sum + (int64_t{1} << (kShift - 1))) >> kShift);
    }
  }
}

}  // namespace morvane::mpeg
