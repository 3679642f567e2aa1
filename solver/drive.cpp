// The power drive: one change of the track bar turns the power part and has
// the solver carry every connected part along.
//
// The step is tried in WorkTable. The power part's driven pins (all but the
// axle of a disk or rod, every pin of the piston) are fixed at their new
// places, and the solver moves the parts on each driven pin from the pin's
// old place to its new one. Only when every part has been placed do the
// positions go back into PartTable. A power piston whose mechanism cannot
// follow a phase is advanced a few degrees at a time and the step started
// over, so that it passes over the phases the mechanism cannot reach.

#include "solver/drive.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "model/part_kind.h"
#include "solver/geometry.h"
#include "solver/log_line.h"
#include "solver/solver_texts.h"

namespace morvane {

namespace text = solver_texts;

namespace {

template <typename... Values>
void Note(MoveSolver& solver, const Message& line, const Values&... values) {
  WriteLogLine(solver.Log, "", solver.UiLanguage, line, values...);
}

bool HasUsablePowerPart(const ModelState& model) {
  return model.HasPowerPart && model.PowerPartIndex >= 0 && model.PowerPartIndex < model.PartCount;
}

int32_t AfterJumpRule(int32_t position, int32_t powerPosition) {
  if (position > powerPosition + kLargestDriveStep) {
    position += kLargestDriveStep;
  } else if (position < powerPosition - kLargestDriveStep) {
    position -= kLargestDriveStep;
  }
  return std::clamp(position, 0, kTrackMax);
}

bool IsPowerPiston(const PartRecord& part) { return part.Kind == PistonActive; }

void SetDriveValue(PartRecord& part, double value) {
  (IsPowerPiston(part) ? part.Size : part.Angle) = value;
}

int FirstDrivenSlot(const PartRecord& part) { return IsPowerPiston(part) ? 0 : 1; }

// Nothing hangs on a power disk or rod with only its axle, nor on a power
// piston without pins: the part is simply turned.
bool DrivesNothing(const PartRecord& part) { return part.PinCount <= FirstDrivenSlot(part); }

// WorkTable as a step at this drive value starts: the shown positions, no
// part placed but the power part, its driven pins fixed at their new places.
void PrepareWorkTable(ModelState& model, double driveValue) {
  std::copy_n(model.PartTable.begin(), model.PartCount, model.WorkTable.begin());
  for (int i = 0; i < model.PartCount; ++i) {
    model.WorkTable[i].Settled = SettleState::Open;
  }
  PartRecord& power = model.WorkTable[model.PowerPartIndex];
  SetDriveValue(power, driveValue);
  power.Settled = SettleState::Placed;
  for (int s = FirstDrivenSlot(power); s < power.PinCount; ++s) {
    if (power.PinState[s] == PinStatus::Movable) {
      SetPinState(model.WorkTable, model.PartCount, power.PinId[s], PinStatus::HeldInStep);
      power.PinState[s] = PinStatus::Fixed;
    }
  }
}

DriveResult Refusal(MoveSolver& solver, int code) { return {DriveStatus::Refused, code, solver.MoveRefusalText}; }

DriveResult StuckPinRefusal(MoveSolver& solver, int32_t pin, int code) {
  Note(solver, text::DriveEndPinStuck, static_cast<int>(pin));
  Note(solver, text::BlankLine);
  return Refusal(solver, code);
}

// The counts of one step's passes over the driven pins.
struct StepTally {
  int Completed = 0;
  int Undecided = 0;
  // Every advance of the power piston in the step. Not started again when a
  // driven pin completes: with a second driven pin that cannot follow, the
  // first would complete on every pass and the step would never end. Each
  // advance starts over from the shown positions, so a second round of phases
  // could only repeat the first.
  int Retries = 0;
  int32_t LastPin = -1;
};

// Advances a power piston that its mechanism cannot follow and starts the
// step over at the new phase, from the shown positions: parts that the failed
// trial had placed for the old phase must not stay where it left them.
// False once the retries of the step are used up.
bool AdvancePowerPiston(ModelState& model, StepTally& tally) {
  const int degrees = std::max(model.AngleStep / 10, 1);
  if (tally.Retries > 360 / degrees) {
    return false;
  }
  ++tally.Retries;
  double phase = model.WorkTable[model.PowerPartIndex].Size + degrees;
  while (phase > 360.0) {
    phase -= 360.0;
  }
  PrepareWorkTable(model, phase);
  tally.Completed = 0;
  tally.Undecided = 0;
  return true;
}

// Moves the parts on one driven pin; returns the code of a refusal. When the
// power piston had to be advanced, the rest of the pin's parts wait for the
// next pass.
std::optional<int> DrivePin(MoveSolver& solver, int slot, StepTally& tally, bool& tried) {
  ModelState& model = solver.Model;
  const int power = model.PowerPartIndex;
  const int32_t pin = model.PartTable[power].PinId[slot];
  tally.LastPin = pin;
  const Point from = PinWorld(model.PartTable[power], slot);
  const Point to = PinWorld(model.WorkTable[power], slot);
  Note(solver, text::DrivenPinStart, static_cast<int>(pin));
  // A fixed pin holds the power part where it stands; the parts it shares
  // the pin with count as held too and would not follow, so turning on would
  // tear the joint apart.
  if (model.PartTable[power].PinState[slot] == PinStatus::Fixed && !SamePoint(from.X, from.Y, to.X, to.Y)) {
    solver.MoveRefusalText = text::HeldByFixedPin;
    return kMoveHeldByFixedPin;
  }
  const int others = CountSlotsWithPin(model.WorkTable, model.PartCount, power, pin);
  for (int k = 1; k <= others; ++k) {
    tried = true;
    solver.Trials.Begin();
    const int code = SolveMove(solver, power, pin, k, from.X, from.Y, to.X, to.Y);
    if (code == kMoveUndecided) {
      solver.Trials.Undo(model.WorkTable);
      ++tally.Undecided;
      continue;
    }
    solver.Trials.Keep();
    if (code == kMoveDone) {
      Note(solver, text::DrivenPinDone, static_cast<int>(pin));
      ++tally.Completed;
    } else if (code != kMoveHeldByFixedPin && IsPowerPiston(model.PartTable[power]) &&
               AdvancePowerPiston(model, tally)) {
      return std::nullopt;
    } else {
      return code;
    }
  }
  return std::nullopt;
}

// The passes of the step; returns the code of a refusal, nullopt when the
// passes ran to their end.
std::optional<int> DriveAllPins(MoveSolver& solver, StepTally& tally) {
  const PartRecord& shown = solver.Model.PartTable[solver.Model.PowerPartIndex];
  const int driven = shown.PinCount - FirstDrivenSlot(shown);
  while (tally.Completed + tally.Undecided < driven) {
    bool tried = false;
    for (int slot = FirstDrivenSlot(shown); slot < shown.PinCount; ++slot) {
      if (const std::optional<int> refusal = DrivePin(solver, slot, tally, tried)) {
        return refusal;
      }
    }
    // No other part on any driven pin: the pass would repeat for ever.
    if (!tried) {
      solver.MoveRefusalText = text::Undecided;
      return kMoveUndecided;
    }
  }
  return std::nullopt;
}

int FirstPartLeftBehind(const ModelState& model) {
  for (int i = 0; i < model.PartCount; ++i) {
    if (model.WorkTable[i].Settled == SettleState::Open) {
      return i;
    }
  }
  return -1;
}

DriveResult DriveMechanism(MoveSolver& solver, double driveValue) {
  ModelState& model = solver.Model;
  PrepareWorkTable(model, driveValue);
  solver.Log.SolverDepth = 0;
  Note(solver, text::DriveStart);
  StepTally tally;
  if (const std::optional<int> code = DriveAllPins(solver, tally)) {
    return StuckPinRefusal(solver, tally.LastPin, *code);
  }
  Note(solver, text::LeftBehindCheck);
  if (const int left = FirstPartLeftBehind(model); left >= 0) {
    Note(solver, text::DriveEndPartLeft, left);
    Note(solver, text::BlankLine);
    solver.MoveRefusalText = text::CannotMove;
    return Refusal(solver, kMoveUndecided);
  }
  if (!std::all_of(model.WorkTable.begin(), model.WorkTable.begin() + model.PartCount, HasFinitePlace)) {
    solver.MoveRefusalText = text::RodLength;
    return StuckPinRefusal(solver, tally.LastPin, kMoveNoIntersection);
  }
  Note(solver, text::DriveEndAllMoved);
  Note(solver, text::BlankLine);
  for (int i = 0; i < model.PartCount; ++i) {
    PartRecord& shown = model.PartTable[i];
    const PartRecord& placed = model.WorkTable[i];
    shown.X = placed.X;
    shown.Y = placed.Y;
    shown.Size = placed.Size;
    shown.Angle = placed.Angle;
  }
  return {DriveStatus::Moved};
}

}  // namespace

bool HasFinitePlace(const PartRecord& part) {
  return std::isfinite(part.X) && std::isfinite(part.Y) && std::isfinite(part.Size) && std::isfinite(part.Angle);
}

double PowerAngleAt(int32_t position) { return position / 10.0; }

double PowerPhaseAt(int32_t position) { return (position / 10) % 360; }

DriveResult DriveStep(MoveSolver& solver, PenLoci& loci, int32_t position) {
  ModelState& model = solver.Model;
  if (!model.TrackEventsEnabled) {
    return {};
  }
  model.TrackPosition = position;
  if (position == model.PowerPosition || !HasUsablePowerPart(model)) {
    return {};
  }
  model.TrackEventsEnabled = false;
  position = AfterJumpRule(position, model.PowerPosition);
  model.TrackPosition = position;
  PartRecord& power = model.PartTable[model.PowerPartIndex];
  const double driveValue = IsPowerPiston(power) ? PowerPhaseAt(position) : PowerAngleAt(position);
  DriveResult result{DriveStatus::Moved};
  if (DrivesNothing(power)) {
    SetDriveValue(power, driveValue);
  } else {
    result = DriveMechanism(solver, driveValue);
  }
  if (result.Status == DriveStatus::Moved) {
    RecordPenPoints(model.PartTable, model.PartCount, model.AngleStep, loci);
    model.PowerPosition = position;
  } else {
    model.TrackPosition = model.PowerPosition;
  }
  model.TrackEventsEnabled = true;
  return result;
}

}  // namespace morvane
