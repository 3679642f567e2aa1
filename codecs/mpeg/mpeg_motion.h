#pragma once

// Motion search for predicted pictures: an exhaustive search of +-4 whole
// pixels in the previous source picture's luminance.

#include "codecs/mpeg/mpeg_image.h"

namespace morvane::mpeg {

inline constexpr int kSearchRange = 4;
// The cost of a displacement whose block would reach outside the picture.
inline constexpr int kOutsideCost = 999888777;

// A displacement into the previous picture, in whole pixels.
struct MotionVector {
  int Dx = 0;
  int Dy = 0;
  bool operator==(const MotionVector&) const = default;
};

struct MotionChoice {
  MotionVector Vector;
  int Cost = 0;
};

// The displacement of the 16 x 16 luminance block at (x, y) with the lowest
// cost, the sum of squared differences plus 16 (|dx| + |dy|). Displacements
// are tried row by row (dy outer, dx inner, both from -4 to 4) and the first
// with the lowest cost wins.
MotionChoice SearchMotion(const TImageBW& current, const TImageBW& previous, int x, int y);

// Mean squared deviation from the (truncated) mean of the 16 x 16 block at
// (x, y), truncated.
int MacroblockVariance(const TImageBW& plane, int x, int y);

}  // namespace morvane::mpeg
