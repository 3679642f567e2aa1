// Mechanisms in which a pass of the solver or of the drive finds nothing to
// do. Such a pass used to repeat for ever; these tests run under a short
// ctest timeout so that a regression fails instead of hanging.

#include <gtest/gtest.h>

#include "model/part_kind.h"
#include "solver/solver_messages.h"
#include "tests/solver_fixture.h"

namespace morvane {
namespace {

using namespace testing;

// The piston slides to the pin's new place; of its two pins one is fixed in
// the shown model and the other joins nothing, so propagation skips both.
TEST(Stall, PropagationThatSkipsEverySlotEndsUndecided) {
  Rig f{MakePart(RodPassive1, 330, 100, {{101, 1}}),
        MakePart(PistonPassive, 0, 100, {{101, 1, 240}, {102, 0, 260}}, 90)};
  EXPECT_EQ(SolveMove(f.Solver, 0, 101, 1, 330, 100, 340, 100, 1), kMoveUndecided);
  EXPECT_EQ(f.Solver.MoveRefusalText, solver_messages::Undecided);
  EXPECT_TRUE(f.Logged("   Movement is impossible"));
}

// A power rod whose only pin besides its axle is a fixed pin on a lone hole.
TEST(Stall, DriveWhoseDrivenPinsJoinNothingIsRefused) {
  Rig rig;
  AddPart(*rig.Model, RodActive1, 300, 400);
  Drop(*rig.Model, KoteiPin, 340, 400);
  const DriveResult result = rig.Step(40);
  EXPECT_EQ(result.Status, DriveStatus::Refused);
  EXPECT_EQ(result.Code, kMoveUndecided);
  EXPECT_EQ(result.RefusalText, solver_messages::Undecided);
}

}  // namespace
}  // namespace morvane
