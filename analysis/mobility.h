#pragma once

// The Gruebler-Kutzbach count of a model: M = 3 (n - 1) - 2 j1 - j2, with n
// the parts and the ground, j1 the joints that leave one motion each (pins
// and slides), j2 those that leave two (none in this catalogue). A pin
// through k parts joins them by k - 1 joints, and by k when it is fixed (the
// ground is one more body on it); a disk's axle joins it to the ground; a
// piston's rod slides in its cylinder, which the program never moves, so the
// piston is one moving part with one sliding joint to the ground.

#include <cstdint>
#include <vector>

#include "model/model_state.h"

namespace morvane::analysis {

enum class JointKind { Pin, FixedPin, Axle, Slider };

struct Joint {
  JointKind Kind = JointKind::Pin;
  // The pin's number; -1 for a slider.
  int32_t Pin = -1;
  // Table indices of the parts it holds.
  std::vector<int> Parts;
  // How many joints it counts for.
  int Count = 0;
};

// Why a model does not have one degree of freedom, in words for the user.
struct MobilityReason {
  enum class Kind { Structure, Overconstrained, TooFree };
  Kind What = Kind::TooFree;
  // Parts joined to nothing, and parts held by a single joint (which swing,
  // turn or slide freely).
  std::vector<int> LooseParts;
  std::vector<int> SwingingParts;
  // A structure by the count whose proportions let the drive move it anyway
  // (a redundant part, as in a parallelogram with a third crank).
  bool MovesAnyway = false;
};

struct MobilityCount {
  int Degrees = 0;
  // n: the parts and the ground.
  int Bodies = 1;
  int LowerPairs = 0;
  int HigherPairs = 0;
  std::vector<Joint> Joints;
  bool HasReason = false;
  MobilityReason Reason;
};

MobilityCount CountMobility(const ModelState& model);

// Whether any slot of the pin is fixed: the pin then stands on the ground.
bool IsGroundPin(const ModelState& model, int32_t pin);

}  // namespace morvane::analysis
