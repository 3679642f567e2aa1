#pragma once

// The four-bar loops of a model: ground, the power part as crank, a coupler
// on the crank pin and a rocker turning about a fixed pin, joined end to end.
// Lengths are measured between pin centres. Grashof's rule sorts them by the
// shortest (s) and longest (l) link against the other two (p, q):
//   s + l < p + q  one link turns fully: with the shortest at the ground a
//                  double-crank, beside the ground a crank-rocker, opposite
//                  the ground a double-rocker;
//   s + l = p + q  the change point: once a turn all four lie in one line;
//   s + l > p + q  no link turns fully: a triple rocker.

#include <cstdint>
#include <vector>

#include "model/model_state.h"

namespace morvane::analysis {

enum class GrashofClass { CrankRocker, DoubleCrank, DoubleRocker, ChangePoint, TripleRocker };

// The link a class names the shortest; none for the change point and the
// triple rocker.
enum class ShortestLink { Ground, Crank, Coupler, Rocker, None };

struct FourBarLengths {
  double Ground = 0;
  double Crank = 0;
  double Coupler = 0;
  double Rocker = 0;
};

struct FourBarLoop {
  int Crank = -1;
  int Coupler = -1;
  int Rocker = -1;
  // The axle, the crank pin, the coupler-rocker pin and the rocker's pivot.
  int32_t AxlePin = 0;
  int32_t CrankPin = 0;
  int32_t CouplerPin = 0;
  int32_t PivotPin = 0;
  FourBarLengths Lengths;
  GrashofClass Class = GrashofClass::TripleRocker;
  ShortestLink Shortest = ShortestLink::None;
};

// s + l and p + q closer than this are the change point: lengths come from
// doubles placed by turning parts, far below a pixel from what was meant.
constexpr double kChangePointTolerance = 1e-6;

void Classify(FourBarLoop& loop);

// Every loop of a rotating power part; none for the power piston.
std::vector<FourBarLoop> FindFourBars(const ModelState& model);

}  // namespace morvane::analysis
