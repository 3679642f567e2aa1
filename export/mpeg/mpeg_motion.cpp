#include "export/mpeg/mpeg_motion.h"

#include <cstdlib>
#include <limits>

namespace morvane::mpeg {

namespace {

constexpr int kPenaltyPerPixel = 16;

bool Inside(const TImageBW& plane, int x, int y) {
  return x >= 0 && y >= 0 && x + 15 < plane.Width && y + 15 < plane.Height;
}

int SquaredDifference(const TImageBW& current, int x, int y, const TImageBW& previous, int px, int py) {
  int sum = 0;
  for (int row = 0; row < 16; ++row) {
    const uint8_t* a = current.Row(y + row) + x;
    const uint8_t* b = previous.Row(py + row) + px;
    for (int column = 0; column < 16; ++column) {
      const int d = a[column] - b[column];
      sum += d * d;
    }
  }
  return sum;
}

}  // namespace

MotionChoice SearchMotion(const TImageBW& current, const TImageBW& previous, int x, int y) {
  MotionChoice best{{}, std::numeric_limits<int>::max()};
  for (int dy = -kSearchRange; dy <= kSearchRange; ++dy) {
    for (int dx = -kSearchRange; dx <= kSearchRange; ++dx) {
      const int cost = Inside(previous, x + dx, y + dy)
                           ? SquaredDifference(current, x, y, previous, x + dx, y + dy) +
                                 kPenaltyPerPixel * (std::abs(dx) + std::abs(dy))
                           : kOutsideCost;
      if (cost < best.Cost) {
        best = {{dx, dy}, cost};
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
