#pragma once

// Velocity and acceleration against the power part's turn, from the parabola
// through three neighbouring samples (centred inside a range, one-sided at
// its ends). At a tenth of a degree the parabola's error is some 1e-7 of the
// value, far below what the samples' rounding leaves.

#include <array>
#include <vector>

#include "analysis/drive_sweep.h"

namespace morvane::analysis {

struct Slope {
  double First = 0;
  double Second = 0;
};

// The derivatives at x[at] of the parabola through (x[k], f[k]).
Slope ParabolaSlope(const std::array<double, 3>& x, const std::array<double, 3>& f, int at);

// Per radian and per radian squared of the power part's turn.
struct Motion {
  double Vx = 0;
  double Vy = 0;
  double Ax = 0;
  double Ay = 0;
};

// The motion of the tracked point `point` at sample i; nothing moves in a
// sweep of one sample, and two samples give a straight line.
Motion SampleMotion(const SweepSamples& samples, int i, int point, int pointCount);
// The same at every sample.
std::vector<Motion> MotionOf(const SweepSamples& samples, int point, int pointCount);

}  // namespace morvane::analysis
