// Committing a placed part and carrying the parts joined to it along.
//
// A placed part fixes its pins: the other slots of each of its pins become
// temporarily fixed (their part must come to this place), its own slots
// fixed. Then every pin of the part is moved from its old to its new place
// for each other part on it, each as a trial of the journal so that an
// undecided one can be undone.

#include "solver/solver_steps.h"
#include "solver/solver_texts.h"

namespace morvane::solver_steps {

namespace text = solver_texts;

namespace {

// Returns whether any free slot of the pin was changed.
bool FixTemporarily(MoveSolver& solver, int32_t pin) {
  bool changed = false;
  for (const SlotRef& at : solver.Pins.SlotsOf(pin)) {
    if (solver.Model.WorkTable[at.Part].PinState[at.Slot] == PinStatus::Movable) {
      Edit(solver, at.Part).PinState[at.Slot] = PinStatus::HeldInStep;
      changed = true;
    }
  }
  return changed;
}

void AddToList(const MoveSolver& solver, std::string& list, int32_t pin) {
  if (solver.Log.Enabled) {
    list += LogValue(static_cast<int>(pin)) + " ";
  }
}

struct Tally {
  int Successes = 0;
  int Failures = 0;
  int Code = kMoveDone;
};

// One pass over the part's slots. Returns false when a trial stops the
// whole move, with its code in tally.Code; `tried` tells whether any trial ran.
bool PropagationPass(MoveSolver& solver, int part, const PartRecord& before, Tally& tally,
                     bool& tried) {
  ModelState& model = solver.Model;
  for (int j = 0; j < model.WorkTable[part].PinCount; ++j) {
    const int32_t pin = model.WorkTable[part].PinId[j];
    Note(solver, text::ConnectedParts, part, static_cast<int>(pin));
    if (model.PartTable[part].PinState[j] != PinStatus::Movable || part == model.PowerPartIndex) {
      continue;
    }
    const Point from = PinWorld(before, j);
    const Point to = PinWorld(model.WorkTable[part], j);
    const int others = solver.Pins.CountSlots(part, pin);
    for (int k = 1; k <= others; ++k) {
      tried = true;
      solver.Trials.Begin();
      const int result = SolveMove(solver, part, pin, k, from.X, from.Y, to.X, to.Y);
      if (result == kMoveDone) {
        solver.Trials.Keep();
        ++tally.Successes;
        tally.Failures = 0;
      } else if (result == kMoveUndecided) {
        solver.Trials.Undo(model.WorkTable);
        SettleAllAgain(solver);
        ++tally.Failures;
        tally.Code = result;
      } else {
        solver.Trials.Keep();
        tally.Code = result;
        return false;
      }
    }
  }
  return true;
}

}  // namespace

void CommitPart(MoveSolver& solver, int part) {
  ModelState& model = solver.Model;
  const PartRecord& placed = model.WorkTable[part];
  Edit(solver, part).Settled = SettleState::Placed;
  std::string temporary;
  for (int s = 0; s < placed.PinCount; ++s) {
    if (FixTemporarily(solver, placed.PinId[s])) {
      AddToList(solver, temporary, placed.PinId[s]);
    }
  }
  Note(solver, text::TemporaryPins, part, temporary);
  std::string fixed;
  for (int s = 0; s < placed.PinCount; ++s) {
    Edit(solver, part).PinState[s] = PinStatus::Fixed;
    AddToList(solver, fixed, placed.PinId[s]);
  }
  Note(solver, text::FixedPins, part, fixed);
}

int PropagateFrom(MoveSolver& solver, int part, const PartRecord& before) {
  const int needed = solver.Model.WorkTable[part].PinCount - 1;
  Tally tally;
  while (tally.Successes + tally.Failures < needed) {
    bool tried = false;
    if (!PropagationPass(solver, part, before, tally, tried)) {
      Note(solver, text::MoveImpossible);
      return tally.Code;
    }
    // A pass in which every slot was skipped would repeat for ever.
    if (!tried) {
      Note(solver, text::MoveImpossible);
      return Refuse(solver, text::Undecided, kMoveUndecided);
    }
  }
  if (tally.Failures == 0) {
    Note(solver, text::MoveCompleted);
    return kMoveDone;
  }
  Note(solver, text::MoveImpossible);
  return tally.Code;
}

}  // namespace morvane::solver_steps
