#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <optional>

#include "model/part_kind.h"
#include "solver/auto_rotation.h"
#include "solver/solver_texts.h"
#include "tests/linkage_building.h"
#include "tests/solver_fixture.h"

namespace morvane {
namespace {

using namespace testing;
namespace text = solver_texts;

// Examples with a crank hold the power disk (axle O, crank pin A), then the
// coupler from A to the joint B, then a rocker from B to its pivot D or a piston.
struct Crank {
  explicit Crank(const ModelState& m)
      : O(At(PinWorld(m.PartTable[0], 0))), A(At(PinWorld(m.PartTable[0], 1))), B(At(PinWorld(m.PartTable[1], 1))),
        D(At(PinWorld(m.PartTable[2], 1))), CrankPin(m.PartTable[0].PinId[1]), JointPin(m.PartTable[1].PinId[1]) {}
  Vec O, A, B, D;
  int32_t CrankPin, JointPin;
};

// A turned by `degrees` clockwise on screen, and B where the coupler from there
// meets the rocker's circle or the piston's axis on B's first side, if it does.
std::pair<Vec, std::optional<Vec>> ClosedForm(const Crank& k, const PartRecord& follower, double degrees) {
  const Vec a = k.O + (k.A - k.O) * std::polar(1.0, degrees * kDegToRad);
  const double coupler = std::abs(k.A - k.B);
  if (IsPiston(follower.Kind)) {
    // In the piston's own frame, whose real axis is the piston's axis.
    const Vec centre{follower.X, follower.Y};
    const Vec axis = std::polar(1.0, follower.Angle * kDegToRad);
    const Vec p = (a - centre) / axis;
    if (std::fabs(p.imag()) > coupler) {
      return {a, std::nullopt};
    }
    const double along = std::sqrt(coupler * coupler - p.imag() * p.imag());
    return {a, centre + (p.real() + std::copysign(along, ((k.B - k.A) / axis).real())) * axis};
  }
  const Vec pivot = k.D - a;
  const double rocker = std::abs(k.D - k.B);
  const double cosine = (coupler * coupler + std::norm(pivot) - rocker * rocker) / (2 * coupler * std::abs(pivot));
  if (std::fabs(cosine) > 1) {
    return {a, std::nullopt};
  }
  const double turn = std::copysign(std::acos(cosine), std::arg((k.B - k.A) / (k.D - k.A)));
  return {a, a + coupler * pivot / std::abs(pivot) * std::polar(1.0, turn)};
}

// The locking models are refused from the first tick at which coupler and
// rocker cannot reach, even with the 0.1 % by which the solver lets circles
// that just miss touch. Every example turns all the way, staying sound, and
// the crank-rocker and slider-crank keep to their closed form. Each is back
// where it began after two turns, but for the change-point four-bar, which
// may go on along its other branch when its links lie in one line.
TEST(ExampleDrives, EveryExampleTurnsTwiceBothWaysAtEverySpeedUnlessItLocks) {
  std::vector<std::filesystem::path> files;
  for (const std::string& folder : {kExamples, kLockingModels}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.path().extension() == ".mvd") {
        files.push_back(entry.path());
      }
    }
  }
  for (const std::filesystem::path& path : files) {
    const std::string file = path.filename().string();
    const bool locks = file.find("locks") != std::string::npos;
    const bool closedForm = file == "crank-rocker.mvd" || file == "slider-crank.mvd";
    for (const int32_t step : kAngleSteps) {
      for (const Rotation direction : {Rotation::Forward, Rotation::Backward}) {
        Rig rig(LoadModel(path.string()));
        const auto start = std::make_unique<ModelState>(*rig.Model);
        const Crank c(*start);
        const double reach = 1.001 * (std::abs(c.A - c.B) + std::abs(c.D - c.B));
        DriveResult result{DriveStatus::Moved};
        for (int tick = 0; tick < kTrackMax / step && result.Status == DriveStatus::Moved; ++tick) {
          const int32_t at = rig.Model->PowerPosition;
          const int32_t next = NextAutoPosition(at, step, direction);
          const auto [a, b] = ClosedForm(c, start->PartTable[2], next / 10.0);
          const bool beyondReach = locks && std::abs(a - c.D) > reach;
          result = rig.Step(next);
          SCOPED_TRACE(file + " step " + std::to_string(step) + " to " + std::to_string(next));
          ASSERT_EQ(result.Status, beyondReach ? DriveStatus::Refused : DriveStatus::Moved);
          ASSERT_EQ(rig.Model->PowerPosition, beyondReach ? at : next);
          ASSERT_EQ(rig.Model->TrackPosition, rig.Model->PowerPosition);
          ASSERT_EQ(rig.Model->PartTable[rig.Model->PowerPartIndex].Angle, rig.Model->PowerPosition / 10.0);
          ASSERT_TRUE(locks || WorstFault(*rig.Model, *start) < 1e-6);
          ASSERT_TRUE(!closedForm || (b && std::max(WorstPinError(*rig.Model, c.CrankPin, a),
                                                    WorstPinError(*rig.Model, c.JointPin, *b)) < 1e-6));
        }
        if (locks) {
          EXPECT_EQ(Outcome(result), std::tuple(DriveStatus::Refused, kMoveNoIntersection, text::RodLength)) << step;
        } else if (direction == Rotation::Forward && file != "change-point.mvd") {
          EXPECT_LT(WorstFault(*rig.Model, *start, true), 1e-6) << file << " step " << step;
        }
      }
    }
  }
  EXPECT_GE(files.size(), 19u);
}

// A coupler held by a fixed pin, or hanging from the crank pin alone and left
// behind. The solver's Japanese line orders its numbers unlike the English.
TEST(Drive, RefusedStepLeavesTheTablesAndPutsTheBarBack) {
  for (const bool held : {true, false}) {
    Rig rig;
    ModelState& m = *rig.Model;
    AddPart(m, DiskActive1, 300, 400);
    AddPart(m, RodPassive1, 340, 400);
    Drop(m, Hatome, 340, 400);
    if (held) {
      Drop(m, KoteiPin, 500, 400);
    }
    Drop(m, PenBlack, 300, 330);
    const Table before = m.PartTable;
    rig.Log.Enabled = true;
    rig.Solver.UiLanguage = held ? Language::Japanese : Language::English;
    const DriveResult result = rig.Step(40);
    EXPECT_EQ(Outcome(result), held ? std::tuple(DriveStatus::Refused, kMoveHeldByFixedPin, text::HeldByFixedPin)
                                    : std::tuple(DriveStatus::Refused, kMoveUndecided, text::CannotMove));
    EXPECT_EQ(m.PartTable, before);
    EXPECT_TRUE(m.TrackPosition == 0 && m.PowerPosition == 0 && m.TrackEventsEnabled && rig.Loci.Empty());
    ASSERT_GE(rig.Log.Lines.size(), 3u);
    EXPECT_EQ(rig.Log.Lines.front(),
              held ? "== 動力部品の移動処理開始 ==" : "== The move processing start of power parts ==");
    EXPECT_EQ(rig.Log.Lines[rig.Log.Lines.size() - 2],
              held ? "== 動力部品の移動処理終了（動力部品のピン101は移動できない） =="
                   : "== The move processing end of power parts (The part1 is not moving.) ==");
    EXPECT_EQ(rig.Logged("   １つ目の部品 1 に固定ピン（Pin Index=102）があるので移動できない / False"), held);
    EXPECT_EQ(rig.Log.Lines.back(), " ");
  }
}

// Fixed pins through a power rod's holes and a rod beside it anchor both: the
// step is refused rather than turning the power rod off its own pins.
TEST(Drive, FixedPinsInAPowerRodHoldIt) {
  Rig rig;
  ModelState& m = *rig.Model;
  AddPart(m, RodActive1, 300, 400);
  AddPart(m, RodPassive1, 340, 400);
  Drop(m, KoteiPin, 340, 400);
  Drop(m, KoteiPin, 360, 400);
  const Table before = m.PartTable;
  const DriveResult result = rig.Step(40);
  EXPECT_EQ(result.Status, DriveStatus::Refused);
  EXPECT_EQ(result.RefusalText, text::HeldByFixedPin);
  EXPECT_EQ(m.PartTable, before);
}

// A number the step never reads, damaged in memory, is refused rather than
// carried into a table that the step reports as moved.
TEST(Drive, StepsNeverLeaveValuesThatAreNotFinite) {
  for (const double damage : {std::nan(""), std::numeric_limits<double>::infinity()}) {
    Rig rig(LoadModel(kExamples + "crank-rocker.mvd"));
    rig.Model->PartTable[2].Size = damage;
    const Table before = rig.Model->PartTable;
    EXPECT_EQ(rig.Step(40).Status, DriveStatus::Refused) << damage;
    EXPECT_EQ(std::memcmp(&rig.Model->PartTable, &before, sizeof before), 0) << damage;
  }
}

// A jump of more than 80 goes 80 further: 7000 becomes 7080, phase 708 mod
// 360, and 1000 then becomes 920. Ticks of automatic rotation wrap instead.
TEST(Drive, LonePowerPartsTurnWithoutTheSolverAndTheBarCarriesJumpsAndWrapsTicks) {
  Rig disk;
  AddPart(*disk.Model, DiskActive1, 300, 400);
  Drop(*disk.Model, PenRed, 300, 330);
  ASSERT_EQ(disk.Step(40).Status, DriveStatus::Moved);
  EXPECT_EQ(disk.Model->PartTable[0].Angle, 4);
  EXPECT_EQ(disk.Loci.Trails[1].Y, std::vector{PenWorld(disk.Model->PartTable[0], 0).Y});

  Rig piston(PowerPistonAt(90));
  ASSERT_EQ(piston.Step(940).Status, DriveStatus::Moved);
  EXPECT_EQ(piston.Model->PartTable[0].Size, 94);
  ASSERT_EQ(piston.Step(7000).Status, DriveStatus::Moved);
  EXPECT_EQ(piston.Model->PowerPosition, 7080);
  EXPECT_EQ(piston.Model->PartTable[0].Size, 348);
  ASSERT_EQ(piston.Step(1000).Status, DriveStatus::Moved);
  EXPECT_EQ(piston.Model->TrackPosition, 920);
  EXPECT_EQ(piston.Model->PartTable[0].Size, 92);
  EXPECT_EQ(piston.Step(920).Status, DriveStatus::Ignored);
  piston.Model->TrackEventsEnabled = false;
  EXPECT_EQ(piston.Step(100).Status, DriveStatus::Ignored);
  EXPECT_EQ(piston.Model->PowerPosition, 920);

  EXPECT_EQ(NextAutoPosition(7160, 80, Rotation::Forward), 0);
  EXPECT_EQ(NextAutoPosition(7120, 80, Rotation::Forward), 0);
  EXPECT_EQ(NextAutoPosition(5, 10, Rotation::Backward), 7200);
  EXPECT_EQ(NextAutoPosition(10, 10, Rotation::Backward), 7200);
  // Steps only a damaged file holds still tick onto the bar.
  EXPECT_EQ(NextAutoPosition(5, std::numeric_limits<int32_t>::max(), Rotation::Backward), 7200);
  EXPECT_EQ(NextAutoPosition(5, std::numeric_limits<int32_t>::min(), Rotation::Forward), 0);
  EXPECT_EQ(AngleStepForSpeed(5, 20), 20);
}

// The first pin drives a free crank-rocker, the second a stretched chain: from
// phase 94 the step is retried 4 degrees on until phase 270, and the free chain
// must stand where that phase puts it, not where an abandoned trial left it.
// (The stall tests refuse a piston that no phase lets follow.)
TEST(Drive, PowerPistonIsRetriedPastPhasesItsMechanismCannotFollow) {
  Rig rig(PowerPistonAt(90));
  ModelState& m = *rig.Model;
  FreeRocker(m);
  StretchedChain(m, 1, {-0.8, 0.6});
  const auto start = std::make_unique<ModelState>(m);
  ASSERT_EQ(rig.Step(940).Status, DriveStatus::Moved);
  EXPECT_EQ(m.PartTable[0].Size, 270);
  EXPECT_LT(WorstFault(m, *start), 1e-6);
}

// Pin numbers that a file may hold far beyond those the palette hands out
// are looked up another way than the usual ones; the drive goes alike.
TEST(Drive, FarPinNumbersDriveAsTheUsualOnes) {
  Rig usual(LoadModel(kExamples + "six-bar-triangle.mvd"));
  Rig far(LoadModel(kExamples + "six-bar-triangle.mvd"));
  for (int i = 0; i < far.Model->PartCount; ++i) {
    for (int s = 0; s < far.Model->PartTable[i].PinCount; ++s) {
      far.Model->PartTable[i].PinId[s] += far.Model->PartTable[i].PinId[s] > 100 ? 2000000 : 0;
    }
  }
  for (int32_t position = 40; position <= 3600; position += 40) {
    ASSERT_EQ(usual.Step(position).Status, DriveStatus::Moved);
    ASSERT_EQ(far.Step(position).Status, DriveStatus::Moved);
    for (int i = 0; i < usual.Model->PartCount; ++i) {
      const PartRecord& a = usual.Model->PartTable[i];
      const PartRecord& b = far.Model->PartTable[i];
      ASSERT_TRUE(a.X == b.X && a.Y == b.Y && a.Angle == b.Angle) << position << " part " << i;
    }
  }
}

// Crank 60, coupler 40 and rocker 120 on a pivot 125.3 from the axle, turned
// a tenth of a degree at a time until coupler and rocker stretch into line.
// The drive goes as far as the snap of the intersection reaches (1.001 times
// their lengths) and no further, and the joint between them never stands open
// by more than that snap, 0.16 pixel.
TEST(Drive, DeadPointEndsWhereOneSnapOfTheJointEnds) {
  Rig rig(FourBar({60, 40, 120, 125.3}, -39, 0));
  const Vec pivot = PinAt(*rig.Model, 103);
  DriveResult result{DriveStatus::Moved};
  for (int32_t position = 1; result.Status == DriveStatus::Moved && position < 1800; ++position) {
    const Vec crankPin = kAxle + std::polar(60.0, position / 10.0 * kDegToRad);
    result = rig.Step(position);
    ASSERT_EQ(result.Status, std::abs(crankPin - pivot) > 1.001 * 160 ? DriveStatus::Refused : DriveStatus::Moved)
        << position;
    ASSERT_LE(WorstPinError(*rig.Model, 102, PinAt(*rig.Model, 102)), 0.16) << position;
  }
  EXPECT_EQ(Outcome(result), std::tuple(DriveStatus::Refused, kMoveNoIntersection, text::RodLength));
}

// As the first part, a piston without power whose axis points at the pin's
// new place takes the stroke that brings the pin there, within closed limits
// of -1 and 181; at a joint the limits are open.
TEST(Solver, PistonStrokesStayWithinTheirLimits) {
  for (const double newX : {521.0, 521.01, 339.0, 338.99}) {
    Rig f{MakePart(RodPassive1, 430, 100, {{101, 1}}), MakePart(PistonPassive, 100, 100, {{101, 0, 240}}, 90)};
    const bool refused = newX == 521.01 || newX == 338.99;
    EXPECT_EQ(SolveMove(f.Solver, 0, 101, 1, 430, 100, newX, 100), refused ? kMoveOutOfReach : kMoveDone) << newX;
    // Within a pixel beyond its travel the piston goes to the end, not past it.
    EXPECT_EQ(f.Model->WorkTable[1].Size, refused ? 90 : std::clamp(newX - 340, 0.0, 180.0)) << newX;
    EXPECT_TRUE(refused || std::abs(PinWorld(f.Model->WorkTable[1], 0).X - newX) <= 1.0) << newX;
    EXPECT_EQ(f.Solver.MoveRefusalText, refused ? text::PistonRodLength : Message{}) << newX;
    EXPECT_EQ(f.Logged("   Since the length of a piston rod does not suit, it cannot move / False"), refused);
  }
  for (const double newX : {261.0, 260.99}) {
    Rig f{MakePart(RodPassive1, 180, 100, {{101, 1}}), MakePart(RodPassive1, 180, 100, {{101, 2}, {102, 0, 160}}),
          MakePart(PistonPassive, 0, 100, {{102, 0, 240}}, 100)};
    const bool refused = newX == 261;
    EXPECT_EQ(SolveMove(f.Solver, 0, 101, 1, 180, 100, newX, 100), refused ? kMoveSecondPartMisplaced : kMoveDone);
    EXPECT_EQ(f.Model->WorkTable[2].Size, refused ? 100 : 180);
    EXPECT_NEAR(f.Model->WorkTable[1].X, newX, 1e-9);
    EXPECT_EQ(f.Solver.MoveRefusalText, refused ? text::PistonRodLength : Message{});
    // The nested call that finds the piston already placed is one level deeper.
    EXPECT_TRUE(f.Logged(refused ? "   Since there is no intersection of parts 1 and parts 2, it cannot move (no2)"
                                 : "     The 1st part2is move ending / True"));
  }
}

// The joint of P and Q carries Q's third pin to Y, which closes a joint with
// Z but also carries a rod W hanging from nothing else. Y's trial ends
// undecided, and everything it placed is undone while P and Q stay placed.
TEST(Solver, UndecidedTrialIsUndoneWithAllItPlaced) {
  Rig f{MakePart(RodPassive1, 0, 0, {{101, 1}}),
        MakePart(RodPassive1, 0, 0, {{101, 2}, {102, 0, 100}}),
        MakePart(RodPassive1, 100, 100, {{103, 1}, {102, 0, 0, -100}, {104, 0, 100}}),
        MakePart(RodPassive1, 200, 100, {{104, 0}, {105, 0, 100}, {107, 0, 0, 100}}),
        MakePart(RodPassive1, 300, 200, {{106, 1}, {105, 0, 0, -100}}),
        MakePart(RodPassive1, 200, 200, {{107, 0}})};
  EXPECT_EQ(SolveMove(f.Solver, 0, 101, 1, 0, 0, 0, 5), kMoveUndecided);
  const Table& work = f.Model->WorkTable;
  EXPECT_TRUE(work[1].Settled == SettleState::Placed && work[2].Settled == SettleState::Placed && work[2].Angle != 0);
  EXPECT_TRUE(f.Logged("     Movement of parts 3 and parts 4"));
  EXPECT_TRUE(f.Logged("       Since the 2nd part cannot be found, it cannot move / False"));
  for (const int i : {3, 4, 5}) {
    const PartRecord& shown = f.Model->PartTable[i];
    EXPECT_TRUE(work[i].Settled == SettleState::Open && work[i].X == shown.X && work[i].Y == shown.Y && work[i].Angle == shown.Angle)
        << i;
  }
  // Q's commit had made Y's slot of their pin temporarily fixed before the trial.
  EXPECT_EQ(work[3].PinState, (std::array<PinStatus, kPinSlots>{PinStatus::HeldInStep}));
  EXPECT_EQ(work[4].PinState, f.Model->PartTable[4].PinState);
}

}  // namespace
}  // namespace morvane
