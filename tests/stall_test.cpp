// Mechanisms in which a pass of the solver or of the drive finds nothing to
// do. Such a pass used to repeat for ever; these tests run under a short
// ctest timeout so that a regression fails instead of hanging.

#include <gtest/gtest.h>

#include "model/catalogue.h"
#include "model/part_kind.h"
#include "solver/drive.h"
#include "solver/solver_messages.h"
#include "tests/solver_fixture.h"

namespace morvane {
namespace {

using testing::MakePart;
using testing::SolverFixture;

// The piston slides to the pin's new place; of its two pins one is fixed in
// the shown model and the other joins nothing, so propagation skips both.
TEST(Stall, PropagationThatSkipsEverySlotEndsUndecided) {
  SolverFixture f{MakePart(RodPassive1, 330, 100, {{101, 1}}),
                  MakePart(PistonPassive, 0, 100, {{101, 1, 240}, {102, 0, 260}}, 90)};
  EXPECT_EQ(SolveMove(f.Solver, 0, 101, 1, 330, 100, 340, 100, 1), kMoveUndecided);
  EXPECT_EQ(f.Solver.MoveRefusalText, solver_messages::Undecided);
  EXPECT_TRUE(f.Logged("   Movement is impossible"));
}

// A power rod whose only pin besides its axle is a fixed pin on a lone hole.
TEST(Stall, DriveWhoseDrivenPinsJoinNothingIsRefused) {
  auto model = std::make_unique<ModelState>();
  ASSERT_FALSE(CreatePart(*model, RodActive1, 300, 400));
  FinishPartDrop(*model, 0);
  ASSERT_FALSE(DropPinOrPen(*model, KoteiPin, 340, 400));
  ASSERT_EQ(model->PartTable[0].PinCount, 2);
  const Table before = model->PartTable;

  ProgressLog log;
  log.Enabled = true;
  PenLoci loci;
  MoveSolver solver{*model, log};
  const DriveResult result = DriveStep(solver, loci, 40);
  EXPECT_EQ(result.Status, DriveStatus::Refused);
  EXPECT_EQ(result.Code, kMoveUndecided);
  EXPECT_EQ(result.RefusalText, solver_messages::Undecided);
  EXPECT_EQ(model->PartTable, before);
  EXPECT_EQ(model->TrackPosition, 0);
  EXPECT_EQ(log.Lines.back(), " ");
}

}  // namespace
}  // namespace morvane
