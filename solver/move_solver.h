#pragma once

#include <bitset>
#include <cstdint>

#include "model/message.h"
#include "model/model_state.h"
#include "solver/pin_directory.h"
#include "solver/progress_log.h"
#include "solver/trial_journal.h"

namespace morvane {

// Result codes of SolveMove. Every code but kMoveDone and kMoveUndecided
// stops the whole drive step; kMoveUndecided is undone and tolerated.
enum MoveResult : int {
  kMoveDone = 0,
  kMoveUndecided = 1,
  kMoveHeldByFixedPin = 2,
  // A temporarily fixed pin out of reach, or a piston stroke out of range.
  kMoveOutOfReach = 3,
  kMoveNoIntersection = 5,
  kMoveFirstPartMisplaced = 6,
  kMoveSecondPartMisplaced = 7,
};

// What the solver works with. It reads PartTable, moves parts in WorkTable
// only, and leaves copying back to its caller.
struct MoveSolver {
  MoveSolver(ModelState& model, ProgressLog& log, Language language = Language::English)
      : Model(model), Log(log), UiLanguage(language) {}

  ModelState& Model;
  ProgressLog& Log;
  Language UiLanguage = Language::English;
  // The user's message of the last refusal.
  Message MoveRefusalText{};
  TrialJournal Trials{};
  // The pins of WorkTable, made afresh by each outermost call.
  PinDirectory Pins{};
  // Active SolveMove calls.
  int Nesting = 0;
  // Parts changed since fixed pins were last settled. Settling a part depends
  // on its own pin states alone and changes nothing when done again over the
  // same states, so only these parts are looked at again.
  std::bitset<kTableRecords> PartsToSettle{};
};

// Carries pin `pin` from (oldX, oldY) to (newX, newY): finds the n-th other
// part on that pin (skipping prevPart), places it and, through the pins,
// every part joined to it. Returns a MoveResult; on a refusal
// solver.MoveRefusalText holds the user's message and WorkTable is left as
// the refusal found it, for the caller to restore.
int SolveMove(MoveSolver& solver, int prevPart, int32_t pin, int n, double oldX, double oldY, double newX,
              double newY);

}  // namespace morvane
