#pragma once

// Transmission angles: at a pin joining two moving parts, the angle between
// the lines from the pin to another pin of each part, 0 to 180 degrees. At
// 90 degrees the driving part pushes the driven one straight round its
// pivot; towards 0 or 180 it pushes along the driven part and moves it
// less and less (the textbooks' working band is 40 to 140 degrees).
//
// Of a part's other pins the one on the ground is taken (the rocker's
// pivot), else the first in slot order (the coupler's other end).

#include <cstdint>
#include <vector>

#include "analysis/tracked_points.h"
#include "model/model_state.h"

namespace morvane::analysis {

struct TransmissionPin {
  int32_t Pin = 0;
  // The two parts on the pin, in table order.
  int PartA = -1;
  int PartB = -1;
  // Indices into the tracked points: the pin and the other pin of each part.
  int At = -1;
  int TowardA = -1;
  int TowardB = -1;
};

// Every movable pin through exactly two parts that are neither the power
// part nor pistons, each with another pin.
std::vector<TransmissionPin> FindTransmissionPins(const ModelState& model, const std::vector<TrackedPoint>& points);

// The angle at `at` between the lines to `a` and `b`, in degrees.
double AngleBetween(Point at, Point a, Point b);

}  // namespace morvane::analysis
