#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

#include "model/model_state.h"
#include "solver/drive.h"
#include "solver/move_solver.h"
#include "solver/pen_locus.h"

namespace morvane::testing {

struct SlotSpec {
  int32_t Id = 0;
  int32_t State = 0;
  double X = 0;
  double Y = 0;
};

// Builds as a user does: a part dropped on a grid point and turned, a pin or
// pen dropped on coinciding holes. Both throw when the catalogue refuses.
int AddPart(ModelState& model, int32_t kind, double x, double y, double angle = 0);
void Drop(ModelState& model, int32_t kind, double x, double y);

PartRecord MakePart(int32_t kind, double x, double y, std::initializer_list<SlotSpec> slots, double size = 0,
                    double angle = 0);

// A model holding exactly these parts, shown and in the work table alike, with
// a solver on it that keeps its log.
struct SolverFixture {
  std::unique_ptr<ModelState> Model = std::make_unique<ModelState>();
  ProgressLog Log{};
  MoveSolver Solver{*Model, Log};

  explicit SolverFixture(std::initializer_list<PartRecord> parts, int uiLanguage = 0);
  bool Logged(const std::string& line) const;
};

// A model with everything a drive step needs beside it.
struct DriveRig {
  std::unique_ptr<ModelState> Model;
  ProgressLog Log{};
  PenLoci Loci{};
  MoveSolver Solver{*Model, Log};

  explicit DriveRig(std::unique_ptr<ModelState> model) : Model(std::move(model)) {}
  DriveResult Step(int32_t position) { return DriveStep(Solver, Loci, position); }
  int CountLogged(const std::string& line) const;
};

}  // namespace morvane::testing
