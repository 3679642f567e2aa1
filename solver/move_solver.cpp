// SolveMove: the entry of the move propagation and its three ways of placing
// the first part found on the moving pin.
//
// Before anything is placed, parts held at two fixed points are settled and
// every part is classed by how many of its pins are known (Mobility). Then
// the first part is placed: by turning it about the moving pin until one of
// its temporarily fixed pins is met again, by sliding a piston along its own
// axis, or, in the general case, by solving the joint it forms with a second
// part (joint_solver.cpp). Each placed part carries the others along through
// its pins (propagation.cpp).

#include "solver/move_solver.h"

#include <bit>
#include <cmath>

#include "model/part_kind.h"
#include "solver/rigid_placement.h"
#include "solver/solver_steps.h"
#include "solver/solver_texts.h"

namespace morvane {

using solver_steps::Edit;
using solver_steps::Note;
using solver_steps::PinMove;
using solver_steps::kGreatestStroke;
using solver_steps::kLeastStroke;
using solver_steps::Refuse;
namespace text = solver_texts;

namespace {

// A held part fixes each of its free pins: every slot of that pin becomes
// temporarily fixed, and a slot exactly at the same place fixed.
void FixPinOfHeldPart(MoveSolver& solver, int held, int slot) {
  const Table& work = solver.Model.WorkTable;
  const int32_t pin = work[held].PinId[slot];
  const Point at = PinWorld(work[held], slot);
  for (int q = 0; q < solver.Model.PartCount; ++q) {
    for (int u = 0; u < work[q].PinCount; ++u) {
      const Point p = PinWorld(work[q], u);
      const PinStatus state = NearPoint(p.X, p.Y, at.X, at.Y, 0) ? PinStatus::Fixed
                              : work[q].PinId[u] == pin          ? PinStatus::HeldInStep
                                                                 : work[q].PinState[u];
      if (state != work[q].PinState[u]) {
        Edit(solver, q).PinState[u] = state;
      }
    }
  }
}

MobilityClass MobilityOf(int fixed, int temporary) {
  if (fixed >= 2 || (fixed == 1 && temporary >= 1)) {
    return MobilityClass::Held;
  }
  return fixed + temporary > 0 ? MobilityClass::Turning : MobilityClass::Free;
}

// The first part from `from` on that is marked for settling; parts marked
// while a run goes on are met in the same run when they come later.
int NextPartToSettle(const MoveSolver& solver, int from) {
  const uint64_t marked = solver.PartsToSettle.to_ullong() >> from;
  return marked == 0 ? kTableRecords : from + std::countr_zero(marked);
}

// One run over the parts changed since the last, in table order; returns
// whether a pin became fixed. Mobility and Settled do not enter into settling,
// so writing them leaves the part settled.
bool SettleFixedPins(MoveSolver& solver) {
  PartRecord* const work = solver.Model.WorkTable.data();
  bool changed = false;
  for (int i = NextPartToSettle(solver, 0); i < solver.Model.PartCount; i = NextPartToSettle(solver, i + 1)) {
    solver.PartsToSettle.reset(static_cast<size_t>(i));
    int fixed = 0;
    int temporary = 0;
    for (int s = 0; s < work[i].PinCount; ++s) {
      fixed += work[i].PinState[s] == PinStatus::Fixed;
      temporary += work[i].PinState[s] == PinStatus::HeldInStep;
    }
    const MobilityClass mobility = IsPiston(work[i].Kind) ? MobilityClass::Turning : MobilityOf(fixed, temporary);
    if (work[i].Mobility != mobility) {
      solver.Trials.Touch(solver.Model.WorkTable, i);
      work[i].Mobility = mobility;
    }
    if (IsPiston(work[i].Kind) || fixed < 2) {
      continue;
    }
    for (int s = 0; s < work[i].PinCount; ++s) {
      if (work[i].PinState[s] == PinStatus::Movable) {
        FixPinOfHeldPart(solver, i, s);
        Edit(solver, i).PinState[s] = PinStatus::Fixed;
        changed = true;
      }
    }
    if (work[i].Settled != SettleState::Placed) {
      solver.Trials.Touch(solver.Model.WorkTable, i);
      work[i].Settled = SettleState::Placed;
    }
  }
  return changed;
}

int SlotInState(const PartRecord& part, PinStatus state, int32_t movingPin) {
  for (int s = 0; s < part.PinCount; ++s) {
    if (part.PinState[s] == state && part.PinId[s] != movingPin) {
      return s;
    }
  }
  return -1;
}

// Turns the part about the moving pin until its temporarily fixed slot is
// back on the place where that pin is fixed in another part.
int MoveToTemporaryPin(MoveSolver& solver, int p, int slot, const PinMove& move) {
  Note(solver, text::TemporaryPinCase, p);
  PartRecord& part = Edit(solver, p);
  const PartRecord before = part;
  const Point target = PinPosByState(solver.Model.WorkTable, solver.Model.PartCount, part.PinId[slot], PinStatus::Fixed);
  const int moving = solver_steps::MovingSlot(solver, p, move);
  if (!TurnIntoPlace(part, moving, move.Old, move.New, slot, target)) {
    Note(solver, text::TemporaryPinMissed, p);
    return Refuse(solver, text::RodLength, kMoveOutOfReach);
  }
  solver_steps::CommitPart(solver, p);
  Note(solver, text::PartMoved, p);
  return solver_steps::PropagateFrom(solver, p, before);
}

int MoveGeneralCase(MoveSolver& solver, int p, const PinMove& move);

// A piston without power whose axis points at the new place of the pin only
// changes its stroke; any other move of it is the general case.
int MovePassivePiston(MoveSolver& solver, int p, const PinMove& move) {
  Note(solver, text::PistonCase, p);
  const PartRecord& piston = solver.Model.WorkTable[p];
  const double direction = std::atan2(move.New.Y - piston.Y, move.New.X - piston.X) * kRadToDeg;
  if (direction != piston.Angle) {
    return MoveGeneralCase(solver, p, move);
  }
  const PartRecord before = piston;
  const double dx = move.New.X - piston.X;
  const double dy = move.New.Y - piston.Y;
  const double stroke = std::sqrt(dx * dx + dy * dy) - piston.PinX[solver_steps::MovingSlot(solver, p, move)];
  // Written so that a stroke that is not a number is refused too.
  if (!(stroke >= kLeastStroke && stroke <= kGreatestStroke)) {
    Note(solver, text::PistonOutOfRange);
    return Refuse(solver, text::PistonRodLength, kMoveOutOfReach);
  }
  Edit(solver, p).Size = solver_steps::StrokeWithinTravel(stroke);
  solver_steps::CommitPart(solver, p);
  Note(solver, text::PartMoved, p);
  return solver_steps::PropagateFrom(solver, p, before);
}

// A second part can close a joint with the first only when it is neither the
// part the move came from nor already placed, and exactly one of its pins is
// known (Mobility 1).
bool UsableSecondPart(MoveSolver& solver, int q, int prevPart) {
  if (q == prevPart) {
    Note(solver, text::SecondIsPrevious, q);
    return false;
  }
  if (q == -1) {
    return false;
  }
  const PartRecord& part = solver.Model.WorkTable[q];
  if (part.Mobility == MobilityClass::Held) {
    Note(solver, text::SecondImmovable, q);
    return false;
  }
  if (part.Mobility == MobilityClass::Free) {
    Note(solver, text::SecondIndefinite, q);
    return false;
  }
  if (part.Settled == SettleState::Placed) {
    Note(solver, text::SecondMoved, q);
    return false;
  }
  return true;
}

int MoveGeneralCase(MoveSolver& solver, int p, const PinMove& move) {
  const PartRecord& part = solver.Model.WorkTable[p];
  if (part.PinCount == 1) {
    Note(solver, text::NoSecondPart);
    return Refuse(solver, text::Undecided, kMoveUndecided);
  }
  Note(solver, text::PinsOfFirstPart, p, static_cast<int>(part.PinCount));
  for (int i = 0; i < part.PinCount; ++i) {
    if (part.PinId[i] == move.Pin) {
      continue;
    }
    // The slot index serves as the occurrence number; NthPart falls
    // back on the last part seen, so any part on the pin answers.
    const int q = solver.Pins.NthPart(p, part.PinId[i], i >= 1 ? i : 1);
    Note(solver, text::SecondPart, q);
    if (UsableSecondPart(solver, q, move.PrevPart)) {
      return solver_steps::SolveJoint(solver, p, q, i, move);
    }
  }
  Note(solver, text::MoveCompleted);
  return kMoveDone;
}

int SolveMoveHere(MoveSolver& solver, int n, const PinMove& move) {
  ModelState& model = solver.Model;
  const int p = solver.Pins.NthPart(move.PrevPart, move.Pin, n);
  Note(solver, text::FirstPart, p);
  while (SettleFixedPins(solver)) {
  }
  if (p == -1) {
    Note(solver, text::NoConnectedPart);
    return kMoveDone;
  }
  const PartRecord& part = model.WorkTable[p];
  if (part.Settled == SettleState::Placed) {
    Note(solver, text::FirstPartMoved, p);
    return kMoveDone;
  }
  const int fixedSlot = SlotInState(part, PinStatus::Fixed, move.Pin);
  if (fixedSlot >= 0) {
    Note(solver, text::FirstPartFixed, p, static_cast<int>(part.PinId[fixedSlot]));
    return Refuse(solver, text::HeldByFixedPin, kMoveHeldByFixedPin);
  }
  const int temporarySlot = SlotInState(part, PinStatus::HeldInStep, move.Pin);
  if (temporarySlot >= 0) {
    return MoveToTemporaryPin(solver, p, temporarySlot, move);
  }
  if (part.Kind == PistonPassive) {
    return MovePassivePiston(solver, p, move);
  }
  return MoveGeneralCase(solver, p, move);
}

}  // namespace

int solver_steps::MovingSlot(const MoveSolver& solver, int part, const PinMove& move) {
  const int slot = PinSlotAt(solver.Model.PartTable[part], move.Old.X, move.Old.Y);
  // The pin's old place is looked up in the shown table; should it not be
  // found there, the pin number still names the slot.
  return slot >= 0 ? slot : SlotOfPin(solver.Model.WorkTable[part], move.Pin);
}

int SolveMove(MoveSolver& solver, int prevPart, int32_t pin, int n, double oldX, double oldY, double newX,
              double newY) {
  // An outermost call may find WorkTable filled afresh.
  if (solver.Nesting == 0) {
    solver.Pins.Build(solver.Model.WorkTable, solver.Model.PartCount);
    solver_steps::SettleAllAgain(solver);
  }
  ++solver.Log.SolverDepth;
  ++solver.Nesting;
  const int result = SolveMoveHere(solver, n, PinMove{prevPart, pin, {oldX, oldY}, {newX, newY}});
  --solver.Log.SolverDepth;
  --solver.Nesting;
  return result;
}

}  // namespace morvane
