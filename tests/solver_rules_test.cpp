// One small hand-built case per decision rule of the solver that no drive of
// the examples depends on, each failing when its rule is broken.

#include <gtest/gtest.h>

#include <cmath>

#include "model/part_kind.h"
#include "solver/move_solver.h"
#include "tests/solver_fixture.h"

namespace morvane {
namespace {

using namespace testing;

// Part 1 is moved on pin 101 by part 0 and carries pin 102 to part 2, the
// second part of their joint, described by `second`.
Rig JointWith(std::initializer_list<Slot> second) {
  return Rig{MakePart(RodPassive1, 0, 0, {{101, 1}}), MakePart(RodPassive1, 0, 0, {{101, 0}, {102, 0, 100}}),
             MakePart(RodPassive1, 100, 0, std::initializer_list<Slot>(second))};
}

// The second part of a joint is skipped, with the reason logged, when it is
// held (two fixed pins, or a fixed pin and one the step has fixed), free (no
// known pin) or already placed; the first part then stays where it is. (A
// part on two fixed pins is also placed, but the log tells the reasons apart.)
TEST(SolverRules, UnusableSecondPartsAreSkipped) {
  const std::string held = "Since movement is the impossible, parts 2 search the following parts";
  const struct {
    std::initializer_list<Slot> Second;
    bool Placed;
    std::string Says;
  } cases[] = {
      {{{102, 1}, {103, 1, 0, 100}}, false, held},
      {{{102, 0}, {103, 1, 0, 100}, {104, 2, 100}}, false, held},
      {{{102, 0}, {103, 0, 0, 100}}, false, "Since the position is indefinite, parts 2 search the following parts"},
      {{{102, 0}, {103, 1, 0, 100}}, true, "Since parts 2 are move ending, they search the following parts"},
  };
  for (const auto& c : cases) {
    Rig f = JointWith(c.Second);
    if (c.Placed) {
      f.Model->WorkTable[2].Settled = SettleState::Placed;
    }
    EXPECT_EQ(SolveMove(f.Solver, 0, 101, 1, 0, 0, 0, 10), kMoveDone) << c.Says;
    EXPECT_EQ(f.Logged("   The 2nd acquisition of the part number of parts => " + c.Says), 1) << c.Says;
    EXPECT_EQ(f.Model->WorkTable[1].Y, 0) << c.Says;
    EXPECT_EQ(f.Model->WorkTable[2].X, 100) << c.Says;
  }
}

// A part on two fixed pins is held: its free pins become fixed where they
// stand, the other slots of those pins fixed for the step, and the part
// counts as placed.
TEST(SolverRules, HeldPartFixesItsFreePins) {
  Rig f{MakePart(RodPassive1, 500, 500, {{101, 1}}),
        MakePart(RodPassive1, 0, 0, {{103, 1}, {104, 1, 100}, {105, 0, 50}}),
        MakePart(RodPassive1, 50, 0, {{105, 0}, {106, 0, 0, 100}})};
  EXPECT_EQ(SolveMove(f.Solver, 0, 101, 1, 500, 500, 500, 510), kMoveDone);
  const Table& work = f.Model->WorkTable;
  EXPECT_EQ(work[1].PinState[2], PinStatus::Fixed);
  EXPECT_EQ(work[2].PinState[0], PinStatus::Fixed) << "the slot at exactly the held pin's place";
  EXPECT_EQ(work[1].Settled, SettleState::Placed);
  EXPECT_EQ(work[1].Mobility, MobilityClass::Held);
  EXPECT_EQ(work[2].Mobility, MobilityClass::Turning);
}

// X (part 0) turns about its pin 102, fixed in G, as its pin 101 is moved.
// Its pins 103, 104 and 105 then carry, in this order: a lone rod Z, which
// ends undecided and is undone; then P, which can only be placed together
// with Y, which hangs on X's last pin 105. That joint needs Y classed as
// turning about the pin X has just fixed, although the undone trial had put
// Y's class back to what it was before.
TEST(SolverRules, PartsAreClassedAgainAfterAnUndoneTrial) {
  Rig f{MakePart(RodPassive1, 0, 0, {{101, 0}, {102, 2, 100}, {103, 0, 0, -100}, {104, 0, 0, 100}, {105, 0, 100, 100}}),
        MakePart(RodPassive1, 100, 0, {{102, 1}}),
        MakePart(RodPassive1, 0, -100, {{103, 0}}),
        MakePart(RodPassive1, 0, 100, {{104, 0}, {106, 0, 50, 100}}),
        MakePart(RodPassive1, 100, 100, {{105, 0}, {106, 0, -50, 100}})};
  const double turn = 10 * kDegToRad;
  EXPECT_EQ(SolveMove(f.Solver, -1, 101, 1, 0, 0, 100 - 100 * std::cos(turn), -100 * std::sin(turn)),
            kMoveDone);
  const Table& work = f.Model->WorkTable;
  EXPECT_EQ(work[2].Settled, SettleState::Open) << "the lone rod's trial is undone";
  EXPECT_EQ(work[3].Settled, SettleState::Placed);
  EXPECT_EQ(work[4].Settled, SettleState::Placed);
  const Point p = PinWorld(work[3], 1);
  const Point y = PinWorld(work[4], 1);
  EXPECT_TRUE(SamePoint(p.X, p.Y, y.X, y.Y));
}

}  // namespace
}  // namespace morvane
