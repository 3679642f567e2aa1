#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace morvane::mpeg {

using Coefficients = std::array<int, 64>;

// The orthonormal 8 x 8 forward DCT of the samples at `samples` (rows `stride`
// bytes apart), coefficients in raster order with the vertical frequency as
// the row, each rounded to the nearest integer. The DC term is 8 times the
// mean sample.
void ForwardDct(const uint8_t* samples, std::ptrdiff_t stride, Coefficients& coefficients);

}  // namespace morvane::mpeg
