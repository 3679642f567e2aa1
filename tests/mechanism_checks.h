#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "model/model_state.h"
#include "solver/geometry.h"

namespace morvane::testing {

std::unique_ptr<ModelState> LoadExample(const std::string& fileName);

// Measures of a mechanism in PartTable, each 0 for a sound one: the largest
// distance between two slots of one pin, the largest change of a distance
// between two pins of one part since `start`, and the largest move of a pin
// that is fixed in `start`.
double WorstJointGap(const ModelState& model);
double WorstStretch(const ModelState& model, const ModelState& start);
double WorstFixedPinMove(const ModelState& model, const ModelState& start);

// The largest distance of a slot of `pin` from where it should be.
double WorstPinError(const ModelState& model, int32_t pin, Point expected);

// A power disk with a crank pin A and a coupler from A to a joint B, where a
// follower (a rocker or a piston) takes it over. Read from the model as it
// stands, before the turn.
struct Crank {
  Point O;
  Point A;
  Point B;
  int32_t CrankPin = 0;
  int32_t JointPin = 0;
  int Follower = -1;
};

Crank CrankOf(const ModelState& model);
// The other pin of the follower: a rocker's pivot.
Point FollowerPivot(const ModelState& model, const Crank& crank);
// The crank pin after the crank has turned by `degrees`, clockwise on screen.
Point CrankPinAfter(const Crank& crank, double degrees);

// A crank-rocker: the joint on the coupler circle about the crank pin and the
// rocker circle about the pivot D, on the side of the line from crank pin to
// pivot where B started. Empty when the circles do not meet.
std::optional<Point> RockerJoint(const Crank& crank, Point d, Point crankPin);

// A slider-crank: the joint at coupler length from the crank pin on the
// piston's axis, on the side where B started, and the piston's stroke there.
struct SliderPlace {
  Point Joint;
  double Stroke = 0;
};
std::optional<SliderPlace> SliderJoint(const Crank& crank, const PartRecord& piston, Point crankPin);

}  // namespace morvane::testing
