#pragma once

// The pieces of SolveMove, shared by its source files and by nothing else.

#include <algorithm>
#include <cstdint>

#include "solver/geometry.h"
#include "solver/log_line.h"
#include "solver/move_solver.h"

namespace morvane::solver_steps {

// One pin carried from Old to New on behalf of part PrevPart.
struct PinMove {
  int PrevPart = -1;
  int32_t Pin = 0;
  Point Old;
  Point New;
};

// A piston's sliding end may overshoot its stroke by a pixel before a move
// that needs it is refused.
constexpr double kLeastStroke = -1.0;
constexpr double kGreatestStroke = kPistonStroke + 1.0;

// The stroke a piston takes for one within those limits: the end of its
// travel, not beyond. A stroke stored beyond would be read as a phase of a
// turn, which puts the sliding end on the other side of the travel's end, up
// to two pixels from the joint it was to meet.
inline double StrokeWithinTravel(double stroke) { return std::clamp(stroke, 0.0, kPistonStroke); }

template <typename... Values>
void Note(MoveSolver& solver, const Message& text, const Values&... values) {
  if (solver.Log.Enabled) {
    WriteLogLine(solver.Log, SolverIndent(solver.Log.SolverDepth), solver.UiLanguage, text, values...);
  }
}

// The record of WorkTable about to change, saved first for the trial under
// way and marked for settling again.
inline PartRecord& Edit(MoveSolver& solver, int part) {
  solver.Trials.Touch(solver.Model.WorkTable, part);
  solver.PartsToSettle.set(static_cast<size_t>(part));
  return solver.Model.WorkTable[part];
}

// Every part in use is to be settled again.
inline void SettleAllAgain(MoveSolver& solver) {
  for (int i = 0; i < solver.Model.PartCount; ++i) {
    solver.PartsToSettle.set(static_cast<size_t>(i));
  }
}

inline int Refuse(MoveSolver& solver, const Message& text, int code) {
  solver.MoveRefusalText = text;
  return code;
}

// The slot of `part` that the moving pin occupies.
int MovingSlot(const MoveSolver& solver, int part, const PinMove& move);

// Places `first` and `second`, which meet at the pin of the first part's slot
// `slot`, by intersecting the circles (or circle and piston line) of the joint.
int SolveJoint(MoveSolver& solver, int first, int second, int slot, const PinMove& move);

// Marks a placed part settled and all its pins fixed.
void CommitPart(MoveSolver& solver, int part);

// Carries the parts joined to `part`, which now stands where it should and
// stood as `before`, along with it.
int PropagateFrom(MoveSolver& solver, int part, const PartRecord& before);

}  // namespace morvane::solver_steps
