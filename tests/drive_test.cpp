#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "model/part_kind.h"
#include "solver/auto_rotation.h"
#include "solver/drive.h"
#include "solver/solver_messages.h"
#include "tests/mechanism_checks.h"
#include "tests/solver_fixture.h"

namespace morvane {
namespace {

using namespace testing;
namespace text = solver_messages;

double DirectionDeg(double dx, double dy) { return std::atan2(dy, dx) * kRadToDeg; }

// Worst errors of a whole turn, each against its own tolerance.
struct TurnErrors {
  double Pins = 0;
  double Joints = 0;
  double Stretch = 0;
  double FixedPins = 0;
  double Stroke = 0;

  void ExpectSound() const {
    EXPECT_LT(Pins, 1e-6);
    EXPECT_LT(Joints, 1e-6);
    EXPECT_LT(Stretch, 1e-6);
    EXPECT_LT(FixedPins, 1e-6);
    EXPECT_LT(Stroke, 1e-6);
  }
};

// Turns the power disk a full turn by steps of one degree; `check` adds the
// closed-form errors of each position.
template <typename Check>
TurnErrors TurnFullCircle(DriveRig& rig, Check check) {
  const auto start = std::make_unique<ModelState>(*rig.Model);
  TurnErrors errors;
  for (int32_t position = start->PowerPosition + 10; position <= start->PowerPosition + 3600; position += 10) {
    const DriveResult result = rig.Step(position);
    EXPECT_EQ(result.Status, DriveStatus::Moved) << position;
    if (result.Status != DriveStatus::Moved) {
      break;
    }
    check((position - start->PowerPosition) / 10.0, errors);
    errors.Joints = std::max(errors.Joints, WorstJointGap(*rig.Model));
    errors.Stretch = std::max(errors.Stretch, WorstStretch(*rig.Model, *start));
    errors.FixedPins = std::max(errors.FixedPins, WorstFixedPinMove(*rig.Model, *start));
  }
  return errors;
}

TEST(Drive, CrankRockerFollowsTheCircleIntersectionThroughAFullTurn) {
  DriveRig rig(LoadExample("crank-rocker.mvd"));
  const Crank crank = CrankOf(*rig.Model);
  const Point pivot = FollowerPivot(*rig.Model, crank);
  const TurnErrors errors = TurnFullCircle(rig, [&](double degrees, TurnErrors& e) {
    const Point a = CrankPinAfter(crank, degrees);
    const std::optional<Point> b = RockerJoint(crank, pivot, a);
    ASSERT_TRUE(b) << degrees;
    e.Pins = std::max({e.Pins, WorstPinError(*rig.Model, crank.CrankPin, a),
                       WorstPinError(*rig.Model, crank.JointPin, *b)});
  });
  errors.ExpectSound();
  EXPECT_NEAR(rig.Model->PartTable[rig.Model->PowerPartIndex].Angle, 360, 1e-12);
}

void ExpectSliderCrankFollows(DriveRig& rig) {
  const Crank crank = CrankOf(*rig.Model);
  const TurnErrors errors = TurnFullCircle(rig, [&](double degrees, TurnErrors& e) {
    const Point a = CrankPinAfter(crank, degrees);
    const PartRecord& piston = rig.Model->PartTable[crank.Follower];
    const std::optional<SliderPlace> b = SliderJoint(crank, piston, a);
    ASSERT_TRUE(b) << degrees;
    e.Pins = std::max({e.Pins, WorstPinError(*rig.Model, crank.CrankPin, a),
                       WorstPinError(*rig.Model, crank.JointPin, b->Joint)});
    e.Stroke = std::max(e.Stroke, std::fabs(piston.Size - b->Stroke));
  });
  errors.ExpectSound();
}

TEST(Drive, SliderCranksFollowTheirClosedFormInLineAndOffset) {
  DriveRig inLine(LoadExample("slider-crank.mvd"));
  ExpectSliderCrankFollows(inLine);

  // The piston's axis 120 pixels below the crank's centre; a 3-4-5 rod joins them.
  DriveRig offset(std::make_unique<ModelState>());
  ModelState& m = *offset.Model;
  AddPart(m, DiskActive1, 300, 500);
  AddPart(m, RodPassive2, 340, 500, DirectionDeg(160, 120));
  m.PartTable[AddPart(m, PistonPassive, 110, 620)].Size = 150;
  Drop(m, Hatome, 340, 500);
  Drop(m, Hatome, 500, 620);
  ExpectSliderCrankFollows(offset);
}

TEST(Drive, RefusedStepLeavesTheTablesAndPutsTheBarBack) {
  for (const int language : {0, kJapaneseLocale}) {
    DriveRig rig(std::make_unique<ModelState>());
    ModelState& m = *rig.Model;
    AddPart(m, DiskActive1, 300, 400);
    AddPart(m, RodPassive1, 340, 400);
    Drop(m, Hatome, 340, 400);
    Drop(m, KoteiPin, 500, 400);
    Drop(m, PenBlack, 300, 330);
    const Table before = m.PartTable;
    rig.Log.Enabled = true;
    rig.Solver.UiLanguage = language;

    const DriveResult result = rig.Step(40);
    EXPECT_EQ(result.Status, DriveStatus::Refused);
    EXPECT_EQ(result.Code, kMoveHeldByFixedPin);
    EXPECT_EQ(result.RefusalText, text::HeldByFixedPin);
    EXPECT_EQ(m.PartTable, before);
    EXPECT_EQ(m.TrackPosition, 0);
    EXPECT_EQ(m.PowerPosition, 0);
    EXPECT_TRUE(m.TrackEventsEnabled);
    EXPECT_TRUE(rig.Loci.Empty());
    ASSERT_GE(rig.Log.Lines.size(), 3u);
    EXPECT_EQ(rig.Log.Lines.front(), language == 0 ? "== The move processing start of power parts =="
                                                   : "== 動力部品の移動処理開始 ==");
    EXPECT_EQ(rig.Log.Lines[rig.Log.Lines.size() - 2],
              language == 0 ? "== The move processing end of power parts (The pin101 is unmovable.) =="
                            : "== 動力部品の移動処理終了（動力部品のピン101は移動できない） ==");
    EXPECT_EQ(rig.Log.Lines.back(), " ");
  }
}

// A rod hanging from the crank pin alone cannot be placed; its undecided
// trial is undone and the step refused for the part left behind.
TEST(Drive, PartLeftBehindRefusesTheStep) {
  DriveRig rig(std::make_unique<ModelState>());
  AddPart(*rig.Model, DiskActive1, 300, 400);
  AddPart(*rig.Model, RodPassive1, 340, 400);
  Drop(*rig.Model, Hatome, 340, 400);
  const Table before = rig.Model->PartTable;
  rig.Log.Enabled = true;
  const DriveResult result = rig.Step(40);
  EXPECT_EQ(result.Status, DriveStatus::Refused);
  EXPECT_EQ(result.RefusalText, text::CannotMove);
  EXPECT_EQ(rig.Model->PartTable, before);
  EXPECT_EQ(rig.CountLogged("== The move processing end of power parts (The part1 is not moving.) =="), 1);
  EXPECT_EQ(rig.CountLogged("== The move processing end of power parts (The pin101 is unmovable.) =="), 0);
}

TEST(Drive, LonePowerPartsTurnWithoutTheSolver) {
  DriveRig disk(std::make_unique<ModelState>());
  AddPart(*disk.Model, DiskActive1, 300, 400);
  Drop(*disk.Model, PenRed, 300, 330);
  disk.Log.Enabled = true;
  ASSERT_EQ(disk.Step(40).Status, DriveStatus::Moved);
  EXPECT_EQ(disk.Model->PartTable[0].Angle, 4);
  EXPECT_TRUE(disk.Log.Lines.empty());
  const Point pen = PenWorld(disk.Model->PartTable[0], 0);
  ASSERT_EQ(disk.Loci.Trails[1].X.size(), 1u);
  EXPECT_EQ(disk.Loci.Trails[1].X[0], pen.X);
  EXPECT_EQ(disk.Loci.Trails[1].Y[0], pen.Y);

  DriveRig piston(std::make_unique<ModelState>());
  AddPart(*piston.Model, PistonActive, 100, 100);
  piston.Model->PowerPosition = 900;
  ASSERT_EQ(piston.Step(940).Status, DriveStatus::Moved);
  EXPECT_EQ(piston.Model->PartTable[0].Size, 94);
  // A jump of more than 80 goes 80 further: 7000 becomes 7080, phase 708 mod 360.
  ASSERT_EQ(piston.Step(7000).Status, DriveStatus::Moved);
  EXPECT_EQ(piston.Model->PowerPosition, 7080);
  EXPECT_EQ(piston.Model->PartTable[0].Size, 348);
}

TEST(Drive, BarEndsWrapAndJumpsAreCarriedFurther) {
  DriveRig rig(LoadExample("crank-rocker.mvd"));
  const auto start = std::make_unique<ModelState>(*rig.Model);
  const Crank crank = CrankOf(*start);
  for (int32_t position = 40; position <= 7160; position += 40) {
    ASSERT_EQ(rig.Step(position).Status, DriveStatus::Moved) << position;
  }
  const PartRecord& disk = rig.Model->PartTable[rig.Model->PowerPartIndex];
  ASSERT_EQ(rig.Step(NextAutoPosition(7160, 80, Rotation::Forward)).Status, DriveStatus::Moved);
  EXPECT_EQ(rig.Model->PowerPosition, 0);
  EXPECT_EQ(disk.Angle, 0);
  EXPECT_LT(WorstPinError(*rig.Model, crank.JointPin, crank.B), 1e-6);

  ASSERT_EQ(rig.Step(NextAutoPosition(0, 10, Rotation::Backward)).Status, DriveStatus::Moved);
  EXPECT_EQ(rig.Model->PowerPosition, 7200);
  EXPECT_EQ(disk.Angle, 720);
  EXPECT_LT(WorstPinError(*rig.Model, crank.JointPin, crank.B), 1e-6);

  ASSERT_EQ(rig.Step(7000).Status, DriveStatus::Moved);
  EXPECT_EQ(rig.Model->PowerPosition, 6920);
  EXPECT_EQ(rig.Model->TrackPosition, 6920);
  const Point a = CrankPinAfter(crank, 692);
  EXPECT_LT(WorstPinError(*rig.Model, crank.JointPin, *RockerJoint(crank, FollowerPivot(*start, crank), a)), 1e-6);

  rig.Model->TrackEventsEnabled = false;
  EXPECT_EQ(rig.Step(100).Status, DriveStatus::Ignored);
  EXPECT_EQ(rig.Model->PowerPosition, 6920);
  rig.Model->TrackEventsEnabled = true;
  EXPECT_EQ(rig.Step(6920).Status, DriveStatus::Ignored);
}

TEST(AutoRotation, TicksWrapAtTheEndsOfTheBar) {
  EXPECT_EQ(NextAutoPosition(7160, 80, Rotation::Forward), 0);
  EXPECT_EQ(NextAutoPosition(7120, 80, Rotation::Forward), 0);
  EXPECT_EQ(NextAutoPosition(7100, 80, Rotation::Forward), 7180);
  EXPECT_EQ(NextAutoPosition(5, 10, Rotation::Backward), 7200);
  EXPECT_EQ(NextAutoPosition(10, 10, Rotation::Backward), 7200);
  EXPECT_EQ(NextAutoPosition(11, 10, Rotation::Backward), 1);
  EXPECT_EQ(AngleStepForSpeed(0, 40), 80);
  EXPECT_EQ(AngleStepForSpeed(4, 40), 10);
  EXPECT_EQ(AngleStepForSpeed(5, 20), 20);
  EXPECT_EQ(AngleStepForSpeed(-1, 60), 60);
}

// A power piston at `phase` with a rod and rocker pulled straight from the pin
// in its hole `hole` to a fixed pivot `toward` (a unit vector) 400 away: the
// piston can then only stroke the way that brings the pin nearer the pivot.
void StretchedChain(ModelState& m, int hole, Point toward) {
  const PartRecord& piston = m.PartTable[0];
  const Point a{piston.X + 240 + 20 * hole + PistonOffset(piston.Size), piston.Y};
  const Point b{a.X + 200 * toward.X, a.Y + 200 * toward.Y};
  const Point d{b.X + 200 * toward.X, b.Y + 200 * toward.Y};
  AddPart(m, RodPassive2, a.X, a.Y, DirectionDeg(toward.X, toward.Y));
  AddPart(m, RodPassive2, d.X, d.Y, DirectionDeg(-toward.X, -toward.Y));
  Drop(m, Hatome, a.X, a.Y);
  Drop(m, Hatome, b.X, b.Y);
  Drop(m, KoteiPin, d.X, d.Y);
}

std::unique_ptr<ModelState> PowerPistonAt(double phase) {
  auto m = std::make_unique<ModelState>();
  m->PartTable[AddPart(*m, PistonActive, 100, 400)].Size = phase;
  m->PowerPosition = m->TrackPosition = static_cast<int32_t>(phase * 10);
  return m;
}

// The piston's first pin drives a free crank-rocker, its second a stretched
// chain that cannot follow a longer stroke. From phase 94 on the step is
// retried 4 degrees further each time until phase 270 gives the stroke of 90
// again; the free chain must then stand where that phase puts it, not where
// an abandoned trial left it.
TEST(Drive, PowerPistonPassesOverPhasesItsMechanismCannotFollow) {
  DriveRig rig(PowerPistonAt(90));
  ModelState& m = *rig.Model;
  AddPart(m, RodPassive2, 430, 400, 90);
  AddPart(m, RodPassive2, 630, 600, 180);
  Drop(m, KoteiPin, 630, 600);
  Drop(m, Hatome, 430, 400);
  Drop(m, Hatome, 430, 600);
  StretchedChain(m, 1, {-0.8, 0.6});
  const auto start = std::make_unique<ModelState>(m);

  ASSERT_EQ(rig.Step(940).Status, DriveStatus::Moved);
  EXPECT_EQ(m.PowerPosition, 940);
  EXPECT_EQ(m.PartTable[0].Size, 270);
  EXPECT_LT(WorstJointGap(m), 1e-6);
  EXPECT_LT(WorstStretch(m, *start), 1e-6);
  EXPECT_LT(WorstFixedPinMove(m, *start), 1e-6);
}

// Stretched at the full stroke of 180, which odd phases never give back: at
// step 40 the step is tried at phase 181 and retried 91 times, 4 degrees apart.
TEST(Drive, PowerPistonIsRetriedAtMost91TimesAtTheDefaultStep) {
  DriveRig rig(PowerPistonAt(180));
  StretchedChain(*rig.Model, 0, {0.8, 0.6});
  const Table before = rig.Model->PartTable;
  rig.Log.Enabled = true;
  const DriveResult result = rig.Step(1810);
  EXPECT_EQ(result.Status, DriveStatus::Refused);
  EXPECT_EQ(result.Code, kMoveNoIntersection);
  EXPECT_EQ(result.RefusalText, text::RodLength);
  EXPECT_EQ(rig.CountLogged("-- Move processing of the pin 101 of power parts is started --"), 92);
  EXPECT_EQ(rig.Model->PartTable, before);
  EXPECT_EQ(rig.Model->TrackPosition, 1800);
}

TEST(Drive, OnlyTheFirstPenOfAColourTraces) {
  DriveRig rig(LoadExample("four-pens.mvd"));
  Drop(*rig.Model, PenBlack, 580, 460);
  const ModelState& m = *rig.Model;
  ASSERT_EQ(m.PartTable[2].PenColor[m.PartTable[2].PenCount - 1], PenBlack);
  const PenTrail& black = rig.Loci.Trails[0];
  for (int32_t position = 40; position <= 400; position += 40) {
    ASSERT_EQ(rig.Step(position).Status, DriveStatus::Moved);
    const Point first = PenWorld(m.PartTable[1], 0);
    ASSERT_EQ(black.X.size(), static_cast<size_t>(position / 40));
    EXPECT_EQ(black.X.back(), first.X);
    EXPECT_EQ(black.Y.back(), first.Y);
  }
  const Point second = PenWorld(m.PartTable[2], m.PartTable[2].PenCount - 1);
  EXPECT_GT(std::hypot(second.X - black.X.back(), second.Y - black.Y.back()), 10);
}

// A piston whose joint slot lies at no finite place (as a damaged model could
// have it) would take a stroke that is not a number.
TEST(Drive, StepWithoutAFiniteResultIsRefused) {
  DriveRig rig(LoadExample("slider-crank.mvd"));
  ModelState& m = *rig.Model;
  m.PartTable[2].PinX[0] = std::nan("");
  const Table before = m.PartTable;
  const DriveResult result = rig.Step(40);
  EXPECT_EQ(result.Status, DriveStatus::Refused);
  EXPECT_EQ(result.RefusalText, text::PistonRodLength);
  for (int i = 0; i < m.PartCount; ++i) {
    const PartRecord& part = m.PartTable[i];
    EXPECT_TRUE(std::isfinite(part.X) && std::isfinite(part.Y) && std::isfinite(part.Size) &&
                std::isfinite(part.Angle));
    EXPECT_EQ(part.Size, before[i].Size);
    EXPECT_EQ(part.Angle, before[i].Angle);
  }
}

}  // namespace
}  // namespace morvane
