#pragma once

// Turning the power part through its whole range with the drive itself, on a
// copy of the model, a fixed number of track units a step, and recording what
// the analysis needs at every step.
//
// The sweep starts at the model's position and goes forward. After a full
// turn it ends: the samples then close on themselves. When the drive refuses
// first, the sweep turns round at that dead point and runs backward through
// the start to the other one, so that every sample of the range comes from
// one run of the drive.
//
// Past a dead point the intersection's snap lets the drive go a little
// further, with a joint standing open by a fraction of a pixel that grows
// with every step. Those samples are dropped: the range ends where every
// joint last stood closed, which is where the closed form puts the dead point.

#include <cstdint>
#include <optional>
#include <vector>

#include "analysis/tracked_points.h"
#include "model/message.h"
#include "model/model_state.h"

namespace morvane::analysis {

// What to record at every sample besides the power part's turn.
struct Probe {
  std::vector<TrackedPoint> Points;
  // Parts whose angle is recorded, and pistons whose stroke is.
  std::vector<int> AngleParts;
  std::vector<int> StrokeParts;
};

struct DeadPoint {
  // The last position at which every joint stood closed.
  int32_t Position = 0;
  // The position the drive refused, and why.
  int32_t RefusedAt = 0;
  Message Reason{};
};

struct SweepSamples {
  // Track positions in sweep order, increasing; they may run past 7200 (a
  // range across the end of the bar) and are reduced to a turn when shown.
  std::vector<int32_t> Positions;
  // The power part's angle (a power piston's phase) in radians, following
  // the positions without a jump.
  std::vector<double> Turn;
  // Sample-major tables: the value of each recorded item at each sample.
  std::vector<Point> Points;
  // Degrees, without a jump from sample to sample.
  std::vector<double> Angles;
  std::vector<double> Strokes;
  // After a full turn the sample after the last is the first, a turn on.
  bool FullTurn = false;
  // At the lower end of the range first.
  std::vector<DeadPoint> DeadPoints;

  int Count() const { return static_cast<int>(Positions.size()); }
};

// The power part's index, when the model has one the drive can turn.
std::optional<int> UsablePowerPart(const ModelState& model);

// The drive's unit of a sweep: a power piston's phase moves by whole degrees,
// ten track units.
int32_t SweepUnit(const ModelState& model, int32_t step);

// Without a power part the sweep holds the model as it stands, alone.
SweepSamples SweepDrive(const ModelState& model, int32_t step, const Probe& probe);

// The model as it stands, labelled `start`, then up to `steps` drive steps of
// `unit` from there in `direction` (1 or -1) on a copy, as far as the drive
// goes. `start` must leave the steps on the bar.
SweepSamples WalkDrive(const ModelState& model, int32_t start, int32_t unit, int direction, int steps,
                       const Probe& probe);

}  // namespace morvane::analysis
