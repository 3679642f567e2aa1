#include <gtest/gtest.h>

#include <cmath>

#include "model/part_kind.h"
#include "solver/geometry.h"
#include "solver/move_solver.h"
#include "solver/solver_messages.h"
#include "solver/trial_journal.h"
#include "tests/solver_fixture.h"

namespace morvane {
namespace {

using testing::MakePart;
using testing::SolverFixture;
namespace text = solver_messages;

// A piston without power whose axis points at the pin's new place takes the
// stroke that brings the pin there, within closed limits of -1 and 181.
TEST(SolveMove, FirstPartPistonStrokesWithinClosedLimits) {
  const auto stroke = [](double newX) {
    SolverFixture f{MakePart(RodPassive1, 430, 100, {{101, 1}}),
                    MakePart(PistonPassive, 100, 100, {{101, 0, 240}}, 90)};
    const int code = SolveMove(f.Solver, 0, 101, 1, 430, 100, newX, 100, 1);
    EXPECT_TRUE(f.Logged("   Processing in case the 1st part 1 is a piston without power"));
    if (code != kMoveDone) {
      EXPECT_EQ(f.Solver.MoveRefusalText, text::PistonRodLength);
      EXPECT_TRUE(f.Logged("   Since the length of a piston rod does not suit, it cannot move / False"));
    }
    return std::pair{code, f.Model->WorkTable[1].Size};
  };
  EXPECT_EQ(stroke(521), std::pair(static_cast<int>(kMoveDone), 181.0));
  EXPECT_EQ(stroke(521.01).first, kMoveOutOfReach);
  EXPECT_EQ(stroke(339), std::pair(static_cast<int>(kMoveDone), -1.0));
  EXPECT_EQ(stroke(338.99).first, kMoveOutOfReach);
}

// At a joint the piston's stroke limits are open: a rod pushing the piston's
// pin to a stroke of exactly 181 is refused as the second part's placement.
TEST(SolveMove, SecondPartPistonStrokesWithinOpenLimits) {
  const auto push = [](double newX) {
    auto f = std::make_unique<SolverFixture>(std::initializer_list<PartRecord>{
        MakePart(RodPassive1, 180, 100, {{101, 1}}),
        MakePart(RodPassive1, 180, 100, {{101, 2}, {102, 0, 160}}),
        MakePart(PistonPassive, 0, 100, {{102, 0, 240}}, 100)});
    const int code = SolveMove(f->Solver, 0, 101, 1, 180, 100, newX, 100, 1);
    return std::pair{code, std::move(f)};
  };
  const auto [refused, r] = push(261);
  EXPECT_EQ(refused, kMoveSecondPartMisplaced);
  EXPECT_EQ(r->Solver.MoveRefusalText, text::PistonRodLength);
  EXPECT_TRUE(r->Logged("   Since there is no intersection of parts 1 and parts 2, it cannot move (no2)"));

  const auto [done, a] = push(260.99);
  ASSERT_EQ(done, kMoveDone);
  EXPECT_NEAR(a->Model->WorkTable[2].Size, 180.99, 1e-9);
  EXPECT_NEAR(a->Model->WorkTable[1].X, 260.99, 1e-9);
  EXPECT_EQ(a->Model->WorkTable[1].Settled, 1);
  // The nested call that finds the piston already placed is one level deeper.
  EXPECT_TRUE(a->Logged("     The 1st acquisition of the part number of parts => Part2"));
  EXPECT_TRUE(a->Logged("     The 1st part2is move ending / True"));
}

TEST(SolveMove, EntryCasesAnswerBeforeAnythingMoves) {
  SolverFixture lonely{MakePart(RodPassive1, 0, 0, {{101, 1}})};
  EXPECT_EQ(SolveMove(lonely.Solver, 0, 101, 1, 0, 0, 5, 5, 1), kMoveDone);
  EXPECT_TRUE(lonely.Logged("   The 1st acquisition of the part number of parts => Part-1"));
  EXPECT_TRUE(lonely.Logged("   There are no connection parts (the target pin is a fixed pin) / True"));

  SolverFixture placed{MakePart(RodPassive1, 0, 0, {{101, 1}}),
                       MakePart(RodPassive1, 0, 0, {{101, 0}, {102, 0, 160}})};
  placed.Model->WorkTable[1].Settled = 1;
  EXPECT_EQ(SolveMove(placed.Solver, 0, 101, 1, 0, 0, 5, 5, 1), kMoveDone);
  EXPECT_TRUE(placed.Logged("   The 1st part1is move ending / True"));
  EXPECT_EQ(placed.Model->WorkTable[1].X, 0);

  for (const int language : {0, kJapaneseLocale}) {
    SolverFixture held{{MakePart(RodPassive1, 0, 0, {{101, 1}}),
                        MakePart(RodPassive1, 0, 0, {{101, 2}, {102, 1, 160}})},
                       language};
    EXPECT_EQ(SolveMove(held.Solver, 0, 101, 1, 0, 0, 5, 5, 1), kMoveHeldByFixedPin);
    EXPECT_EQ(held.Solver.MoveRefusalText, text::HeldByFixedPin);
    EXPECT_TRUE(held.Logged(language == 0
                                ? "   Since a fixed pin (Pin Index=102) is in the 1st part1, it cannot move / False"
                                : "   １つ目の部品 1 に固定ピン（Pin Index=102）があるので移動できない / False"));
  }

  SolverFixture hanging{MakePart(RodPassive1, 0, 0, {{101, 1}}), MakePart(RodPassive1, 0, 0, {{101, 2}})};
  EXPECT_EQ(SolveMove(hanging.Solver, 0, 101, 1, 0, 0, 5, 5, 1), kMoveUndecided);
  EXPECT_EQ(hanging.Solver.MoveRefusalText, text::Undecided);
  EXPECT_TRUE(hanging.Logged("   Since the 2nd part cannot be found, it cannot move / False"));
  EXPECT_EQ(hanging.Log.SolverDepth, 0);
}

// A rod from the moving pin to a joint with a rod on a fixed pivot: circles
// that miss by less than 0.1 % still close, wider misses are refused.
TEST(SolveMove, JointsSnapNearMissesAndRefuseWiderOnes) {
  const auto pull = [](double newX, int language) {
    auto f = std::make_unique<SolverFixture>(
        std::initializer_list<PartRecord>{MakePart(RodPassive1, 0, 0, {{101, 1}}),
                                          MakePart(RodPassive1, 0, 0, {{101, 2}, {102, 0, 100}}),
                                          MakePart(RodPassive1, 200, 0, {{103, 1}, {102, 0, -100}})},
        language);
    const int code = SolveMove(f->Solver, 0, 101, 1, 0, 0, newX, 0, 1);
    return std::pair{code, std::move(f)};
  };
  const auto [closed, c] = pull(-0.1, 0);
  ASSERT_EQ(closed, kMoveDone);
  const Point first = PinWorld(c->Model->WorkTable[1], 1);
  const Point second = PinWorld(c->Model->WorkTable[2], 1);
  EXPECT_NEAR(first.X, 99.9, 1e-9);
  EXPECT_NEAR(second.X, 100, 1e-9);
  EXPECT_NEAR(second.Y, 0, 1e-9);

  const auto [apart, a] = pull(-0.3, 0);
  EXPECT_EQ(apart, kMoveNoIntersection);
  EXPECT_EQ(a->Solver.MoveRefusalText, text::RodLength);
  EXPECT_TRUE(a->Logged("   Since there is no intersection of parts 1 and parts 2, it cannot move"));
  EXPECT_TRUE(a->Logged("    (x1=-0.3 y1=0 r1=100) (x2=200 y2=0 r2=100)"));
  const auto [japanese, j] = pull(-0.3, kJapaneseLocale);
  EXPECT_TRUE(j->Logged("   部品1と部品2の交点がないので、移動できない"));
}

// The joint of P and Q carries Q's third pin to Y, which closes a joint with
// Z but also carries a rod W hanging from nothing else. Y's trial ends
// undecided, and everything it placed is undone while P and Q stay placed.
TEST(SolveMove, UndecidedTrialIsUndoneWithAllItPlaced) {
  SolverFixture f{MakePart(RodPassive1, 0, 0, {{101, 1}}),
                  MakePart(RodPassive1, 0, 0, {{101, 2}, {102, 0, 100}}),
                  MakePart(RodPassive1, 100, 100, {{103, 1}, {102, 0, 0, -100}, {104, 0, 100}}),
                  MakePart(RodPassive1, 200, 100, {{104, 0}, {105, 0, 100}, {107, 0, 0, 100}}),
                  MakePart(RodPassive1, 300, 200, {{106, 1}, {105, 0, 0, -100}}),
                  MakePart(RodPassive1, 200, 200, {{107, 0}})};
  EXPECT_EQ(SolveMove(f.Solver, 0, 101, 1, 0, 0, 0, 5, 1), kMoveUndecided);
  const Table& work = f.Model->WorkTable;
  EXPECT_EQ(work[1].Settled, 1);
  EXPECT_EQ(work[2].Settled, 1);
  EXPECT_NE(work[2].Angle, 0);
  // Y and Z did move in the trial, and W was tried.
  EXPECT_TRUE(f.Logged("     Movement of parts 3 and parts 4"));
  EXPECT_TRUE(f.Logged("       Since the 2nd part cannot be found, it cannot move / False"));
  for (const int i : {3, 4, 5}) {
    const PartRecord& shown = f.Model->PartTable[i];
    EXPECT_EQ(work[i].Settled, 0) << i;
    EXPECT_EQ(work[i].X, shown.X) << i;
    EXPECT_EQ(work[i].Y, shown.Y) << i;
    EXPECT_EQ(work[i].Angle, shown.Angle) << i;
  }
  // Q's commit had made Y's slot of their pin temporarily fixed before the trial.
  EXPECT_EQ(work[3].PinState, (std::array<int32_t, kPinSlots>{2, 0, 0}));
  EXPECT_EQ(work[4].PinState, f.Model->PartTable[4].PinState);
}

TEST(TrialJournal, UndoPutsBackWhatTheTrialAndTheTrialsItKeptChanged) {
  Table work{};
  work[0].X = 1;
  work[1].X = 2;
  work[2].X = 3;
  TrialJournal journal;
  // Outside any trial nothing is kept for undoing.
  journal.Touch(work, 0);
  work[0].X = 10;
  const Table outside = work;
  journal.Begin();
  journal.Touch(work, 1);
  work[1].X = 20;
  journal.Begin();
  journal.Touch(work, 1);
  work[1].X = 21;
  journal.Touch(work, 2);
  work[2].X = 30;
  journal.Keep();
  journal.Begin();
  journal.Touch(work, 2);
  work[2].X = 31;
  journal.Touch(work, 0);
  work[0].X = 11;
  journal.Undo(work);
  EXPECT_EQ(work[0].X, 10);
  EXPECT_EQ(work[1].X, 21);
  EXPECT_EQ(work[2].X, 30);
  journal.Touch(work, 2);
  work[2].X = 32;
  journal.Undo(work);
  EXPECT_EQ(work, outside);
}

// Just short of touching, rounding used to give r1 * r1 < a * a and NaN points.
TEST(Geometry, NearlyTouchingCirclesMeetAtAFinitePoint) {
  const double r1 = 54.416780961000562;
  const double r2 = 55.426407510112703;
  const double d = 1.0096265491121417;
  const IntersectionResult cut = CircleIntersect(0, 0, r1, d, 0, r2);
  ASSERT_EQ(cut.Count, 2);
  EXPECT_TRUE(std::isfinite(cut.X1) && std::isfinite(cut.Y1) && std::isfinite(cut.X2) && std::isfinite(cut.Y2));
  EXPECT_NEAR(cut.X1, -r1, 1e-6);
  EXPECT_NEAR(cut.Y1, 0, 1e-3);
}

}  // namespace
}  // namespace morvane
