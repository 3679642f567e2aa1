#pragma once

#include <cstdint>

#include "model/message.h"
#include "solver/move_solver.h"
#include "solver/pen_locus.h"

namespace morvane {

enum class DriveStatus {
  // Nothing was done: track events are off, the position is the one already
  // applied, or there is no power part.
  Ignored,
  Moved,
  // PartTable is as it was and TrackPosition is back at PowerPosition.
  Refused,
};

struct DriveResult {
  DriveStatus Status = DriveStatus::Ignored;
  // The MoveResult that ended a refused step.
  int Code = kMoveDone;
  // The one message to show for a refused step.
  Message RefusalText{};
};

// A change of the track position by more than this is carried further by the
// same amount (see DriveStep).
constexpr int32_t kLargestDriveStep = 80;

// Whether centre, Size and Angle are all finite, as a step that moves leaves
// every part.
bool HasFinitePlace(const PartRecord& part);

// Power position in tenths of a degree to the power part's drive value: the
// angle of a power disk or rod, the stroke phase of the power piston.
double PowerAngleAt(int32_t position);
double PowerPhaseAt(int32_t position);

// One drive step: the track bar now stands at `position`. Turns the power
// part there (strokes the power piston) and carries the mechanism along; on
// success takes the new positions into PartTable, records the pen points and
// makes `position` the PowerPosition. A refused step changes no part.
//
// A jump of more than 80 units goes a further 80 units the same way, held
// within the bar's 0..7200, so the wraps of automatic rotation (7160 to 0,
// 5 to 7200) still arrive at the end of the bar.
DriveResult DriveStep(MoveSolver& solver, PenLoci& loci, int32_t position);

}  // namespace morvane
