#pragma once

#include <array>
#include <cstdint>

#include "model/part_record.h"

namespace morvane {

constexpr int kFirstPalettePinId = 101;
constexpr int kDefaultSpeedIndex = 2;
constexpr int kDefaultAngleStep = 40;
constexpr int kTrackMax = 7200;

// Angle steps of the five speeds, fastest first.
constexpr std::array<int32_t, 5> kAngleSteps = {80, 60, 40, 20, 10};

// The counters that describe the parts of PartTable; an edit history slot
// keeps them beside its copy of the table.
struct ModelCounters {
  int32_t PartCount = 0;
  int32_t NextPinId = kFirstPalettePinId;
  bool HasPowerPart = false;
  int32_t PowerPartIndex = -1;
  std::array<bool, 4> PenPlaced{};

  bool operator==(const ModelCounters&) const = default;
};

// The whole mechanism: the three part tables and the counters beside them.
struct ModelState : ModelCounters {
  Table PartTable{};
  Table PlacementTable{};
  Table WorkTable{};

  int32_t PowerPosition = 0;
  int32_t AngleStep = kDefaultAngleStep;
  int32_t TrackPosition = 0;
  int32_t SpeedIndex = kDefaultSpeedIndex;
  // Until the first placement edit, return to placement brings back the
  // start-up speed and step.
  int32_t PlacementSpeedIndex = kDefaultSpeedIndex;
  int32_t PlacementAngleStep = kDefaultAngleStep;
  int32_t PlacementTrackPosition = 0;

  // Cleared whenever the program itself sets the track position, so that the
  // drive does not act on that change.
  bool TrackEventsEnabled = true;
};

// Sets the track position on behalf of the program, not the user.
void SetTrackPositionQuietly(ModelState& model, int32_t position);

}  // namespace morvane
