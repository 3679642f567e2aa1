// Mechanisms in which a pass of the solver or of the drive finds nothing to
// do. Such a pass used to repeat for ever; these tests run under a short
// ctest timeout so that a regression fails instead of hanging.

#include <gtest/gtest.h>

#include <string>

#include "model/part_kind.h"
#include "solver/solver_texts.h"
#include "tests/solver_fixture.h"

namespace morvane {
namespace {

using namespace testing;

// The piston slides to the pin's new place; of its two pins one is fixed in
// the shown model and the other joins nothing, so propagation skips both.
TEST(Stall, PropagationThatSkipsEverySlotEndsUndecided) {
  Rig f{MakePart(RodPassive1, 330, 100, {{101, 1}}),
        MakePart(PistonPassive, 0, 100, {{101, 1, 240}, {102, 0, 260}}, 90)};
  EXPECT_EQ(SolveMove(f.Solver, 0, 101, 1, 330, 100, 340, 100), kMoveUndecided);
  EXPECT_EQ(f.Solver.MoveRefusalText, solver_texts::Undecided);
  EXPECT_TRUE(f.Logged("   Movement is impossible"));
}

// A power rod whose only pin besides its axle is a movable pin in no other
// part, as a damaged file may hold.
TEST(Stall, DriveWhoseDrivenPinsJoinNothingIsRefused) {
  Rig rig{MakePart(RodActive1, 300, 400, {{0, 1}, {101, 0, 40}}, 120)};
  rig.Model->HasPowerPart = true;
  rig.Model->PowerPartIndex = 0;
  const DriveResult result = rig.Step(40);
  EXPECT_EQ(Outcome(result), std::tuple(DriveStatus::Refused, kMoveUndecided, solver_texts::Undecided));
}

// A power piston at its full stroke, with a free crank-rocker on its first pin
// and on its second a chain that no phase of the step's retries lets follow:
// every pass the first pin completes again before the second sends the piston
// on, so the retries must count every advance of the step.
TEST(Stall, PowerPistonWithOneFreeAndOneStuckPinIsRefused) {
  Rig rig(PowerPistonAt(180));
  ModelState& m = *rig.Model;
  FreeRocker(m);
  StretchedChain(m, 1, {0.8, 0.6});
  rig.Log.Enabled = true;
  const Table before = m.PartTable;
  const DriveResult result = rig.Step(1810);
  EXPECT_EQ(result.Status, DriveStatus::Refused);
  EXPECT_EQ(result.RefusalText, solver_texts::RodLength);
  EXPECT_EQ(m.PartTable, before);
  // The free pin completes on every pass it can; each failure of either pin
  // advances the piston, 91 times at this speed, and the 92nd refuses.
  const std::string prefix = "-- Move processing of the pin ";
  const int freeFailed = rig.Logged(prefix + "102 of power parts is started --") -
                         rig.Logged(prefix + "102 of power parts is completed --");
  EXPECT_EQ(freeFailed + rig.Logged(prefix + "104 of power parts is started --"), 92);
  EXPECT_EQ(rig.Logged(prefix + "104 of power parts is completed --"), 0);
}

}  // namespace
}  // namespace morvane
