// Automatic rotation in the real main window: paced steps while btnPlay is
// down, the controls it locks and frees, the log window following it, and a
// refused step that ends it with one message.

#include <QComboBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

#include "app/form_debug.h"
#include "app/rotation_controls.h"
#include "tests/app_commands_support.h"
#include "tests/test_support.h"

namespace morvane::testing {
namespace {

using app::RotationControls;

constexpr int kTimeoutMs = 10000;

const char* const kLockedDuringRotation[] = {"btnOpen",  "btnSave",      "btnClear", "btnModoru", "btnExit",
                                             "btnDebug", "PageControl1", "cmbSpeed", "TrackBar1", "btnBack"};

TEST(RotationTest, PlayStepsAtMostOncePerFrameUntilReleased) {
  RunningProgram run;
  run.Main().show();
  run.Choose("btnOpen", kExamples + "four-pens.mvd");
  const Table start = run.Model().PartTable;
  run.Press("btnDebug");
  Control<QComboBox>(run.Main(), "cmbSpeed").setCurrentIndex(4);
  EXPECT_EQ(run.Model().AngleStep, 10);

  std::vector<int> positions;  // every position the bar is set to
  QObject::connect(&run.Main(), &app::TformMain::TrackBar1Change, [&](int position) { positions.push_back(position); });
  QElapsedTimer clock;
  clock.start();
  run.Press("btnPlay");
  for (const char* name : kLockedDuringRotation) EXPECT_FALSE(run.Enabled(name)) << name;
  ASSERT_TRUE(QTest::qWaitFor([&] { return positions.size() >= 20; }, kTimeoutMs));
  run.Press("btnPlay");
  const qint64 elapsed = clock.elapsed();
  const size_t steps = positions.size();
  EXPECT_GE(elapsed, static_cast<qint64>(steps * kAutoStepInterval.count()));

  QTest::qWait(100);
  EXPECT_EQ(positions.size(), steps) << "a step after the button came up";
  for (size_t i = 0; i < steps; ++i) EXPECT_EQ(positions[i], static_cast<int>(10 * (i + 1)));
  EXPECT_EQ(std::pair(run.TrackBar().value(), run.Model().PowerPosition),
            std::pair(positions.back(), positions.back()));
  EXPECT_EQ(run.program.Document().Loci().Trails[3].X.size(), steps);
  EXPECT_NE(run.Model().PartTable[1].X, start[1].X);

  for (const char* name : kLockedDuringRotation) EXPECT_TRUE(run.Enabled(name)) << name;
  EXPECT_FALSE(run.Enabled("btnUndo"));
  EXPECT_EQ(run.Main().focusWidget(), &run.TrackBar());
  const auto& lines = Control<QListWidget>(run.program.Debug(), "lstDebug1");
  ASSERT_GT(lines.count(), 0);
  EXPECT_EQ(lines.item(lines.count() - 1)->text().toStdString(), run.program.Document().Log().Lines.back());
}

TEST(RotationTest, RefusedStepShowsOneMessageAndStops) {
  // Where a plain session, turned the same way, stops and what it says.
  Session alone;
  ASSERT_FALSE(alone.Open(kExamples + "locks-past-ninety.mvd"));
  alone.SetSpeed(0);
  DriveResult result;
  while ((result = alone.DriveTo(alone.NextAutoPosition(Rotation::Forward))).Status == DriveStatus::Moved) {
  }
  ASSERT_EQ(result.Status, DriveStatus::Refused);
  const int lastGood = alone.Model().PowerPosition;
  ASSERT_TRUE(lastGood > 900 && lastGood < 985) << lastGood;

  RunningProgram run;
  run.Choose("btnOpen", kExamples + "locks-past-ninety.mvd");
  Control<QComboBox>(run.Main(), "cmbSpeed").setCurrentIndex(0);
  run.Press("btnPlay");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !run.Button("btnPlay").isChecked(); }, kTimeoutMs));
  QTest::qWait(100);
  EXPECT_EQ(run.dialogs.Shown,
            (std::vector<app::ShownMessage>{
                {app::MessageKind::Information, QString::fromStdString(alone.Text(result.RefusalText))}}));
  EXPECT_EQ(run.TrackBar().value(), lastGood);
  EXPECT_EQ(run.Model().PartTable, alone.Model().PartTable);
  for (const char* name : kLockedDuringRotation) EXPECT_TRUE(run.Enabled(name)) << name;

  // The user's own move of the bar is put back the same way.
  run.TrackBar().setValue(lastGood + 80);
  EXPECT_EQ(run.dialogs.Shown.size(), 2U);
  EXPECT_EQ(run.TrackBar().value(), lastGood);
}

}  // namespace
}  // namespace morvane::testing
