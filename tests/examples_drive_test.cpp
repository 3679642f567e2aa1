#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "solver/auto_rotation.h"
#include "solver/drive.h"
#include "solver/solver_messages.h"
#include "tests/mechanism_checks.h"
#include "tests/solver_fixture.h"

namespace morvane {
namespace {

using namespace testing;

std::vector<std::string> ExampleFiles() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(MORVANE_SOURCE_DIR) + "/examples")) {
    if (entry.path().extension() == ".mvd") {
      names.push_back(entry.path().filename().string());
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool Locks(const std::string& name) { return name.find("locks") != std::string::npos; }

constexpr Rotation kDirections[] = {Rotation::Forward, Rotation::Backward};

// Two turns of automatic rotation each way at every speed, every joint
// closed, every part rigid and every fixed pin in place after each tick.
TEST(ExampleDrives, EveryExampleTurnsTwiceBothWaysAtEverySpeed) {
  const std::vector<std::string> files = ExampleFiles();
  ASSERT_GE(files.size(), 5u);
  for (const std::string& file : files) {
    if (Locks(file)) {
      continue;
    }
    for (const int32_t step : kAngleSteps) {
      DriveRig rig(LoadExample(file));
      const auto start = std::make_unique<ModelState>(*rig.Model);
      rig.Model->AngleStep = step;
      double worst = 0;
      for (const Rotation direction : kDirections) {
        for (int tick = 0; tick < kTrackMax / step; ++tick) {
          const int32_t next = NextAutoPosition(rig.Model->PowerPosition, step, direction);
          const DriveResult result = rig.Step(next);
          ASSERT_EQ(result.Status, DriveStatus::Moved)
              << file << " at step " << step << " to " << next << ": " << result.RefusalText.English;
          worst = std::max({worst, WorstJointGap(*rig.Model), WorstStretch(*rig.Model, *start),
                            WorstFixedPinMove(*rig.Model, *start)});
        }
      }
      EXPECT_LT(worst, 1e-6) << file << " at step " << step;
    }
  }
}

// The first tick at which the crank pin is further from the rocker's pivot
// than coupler and rocker reach together, with the 0.1 % by which the solver
// lets circles that just miss touch.
int32_t ClosedFormLockPosition(const ModelState& model, int32_t step, Rotation direction) {
  const Crank crank = CrankOf(model);
  const Point pivot = FollowerPivot(model, crank);
  const double reach = 1.001 * (std::hypot(crank.A.X - crank.B.X, crank.A.Y - crank.B.Y) +
                                std::hypot(pivot.X - crank.B.X, pivot.Y - crank.B.Y));
  int32_t position = model.PowerPosition;
  for (int tick = 0; tick < kTrackMax / step; ++tick) {
    position = NextAutoPosition(position, step, direction);
    const Point a = CrankPinAfter(crank, (position - model.PowerPosition) / 10.0);
    if (std::hypot(a.X - pivot.X, a.Y - pivot.Y) > reach) {
      return position;
    }
  }
  return -1;
}

TEST(ExampleDrives, LockingExampleIsRefusedWhereItsCouplerCannotReachTheRocker) {
  std::vector<std::string> files = ExampleFiles();
  files.erase(std::remove_if(files.begin(), files.end(), [](const std::string& f) { return !Locks(f); }),
              files.end());
  ASSERT_EQ(files.size(), 1u);
  for (const int32_t step : kAngleSteps) {
    for (const Rotation direction : kDirections) {
      DriveRig rig(LoadExample(files[0]));
      rig.Model->AngleStep = step;
      const int32_t expected = ClosedFormLockPosition(*rig.Model, step, direction);
      ASSERT_GT(expected, 0) << step;
      DriveResult result;
      int32_t asked = rig.Model->PowerPosition;
      while (result.Status != DriveStatus::Refused && asked != expected) {
        asked = NextAutoPosition(rig.Model->PowerPosition, step, direction);
        result = rig.Step(asked);
      }
      EXPECT_EQ(result.Status, DriveStatus::Refused) << step;
      EXPECT_EQ(asked, expected) << step;
      EXPECT_EQ(result.Code, kMoveNoIntersection);
      EXPECT_EQ(TextFor(result.RefusalText, 0), "Since the length of a rod does not suit, it cannot move.");
      EXPECT_EQ(TextFor(result.RefusalText, kJapaneseLocale), "ロッドの長さが合わないので移動できません。");
      EXPECT_EQ(rig.Model->TrackPosition, rig.Model->PowerPosition);
    }
  }
}

}  // namespace
}  // namespace morvane
