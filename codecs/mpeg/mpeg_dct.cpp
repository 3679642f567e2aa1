#include "codecs/mpeg/mpeg_dct.h"

#include <cmath>
#include <numbers>

#include "codecs/mpeg/mpeg_kernels.h"

namespace morvane::mpeg {

namespace {

DctBasis MakeBasis() {
  DctBasis basis{};
  for (int u = 0; u < 8; ++u) {
    const double scale = u == 0 ? std::sqrt(0.5) / 2 : 0.5;
    for (int x = 0; x < 8; ++x) {
      const double value = scale * std::cos((2 * x + 1) * u * std::numbers::pi / 16);
      basis[u][x] = static_cast<int16_t>(std::lround((1 << kBasisBits) * value));
    }
  }
  return basis;
}

}  // namespace

const DctBasis& TheDctBasis() {
  static const DctBasis basis = MakeBasis();
  return basis;
}

void ForwardDct(const uint8_t* samples, std::ptrdiff_t stride, Coefficients& coefficients) {
  kernels::ForwardDct(samples, stride, coefficients);
}

}  // namespace morvane::mpeg
