#pragma once

#include <cassert>
#include <cstdint>

namespace morvane::exporting {

// number x numerator / denominator without overflow, rounded to the nearest:
// the scaling of point sizes and of printed pictures.
constexpr int MulDiv(int number, int numerator, int denominator) {
  assert(number >= 0 && numerator >= 0 && denominator > 0);
  return static_cast<int>((int64_t{number} * numerator + denominator / 2) / denominator);
}

}  // namespace morvane::exporting
