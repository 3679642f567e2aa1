// Automatic rotation in the real main window: paced steps while btnPlay is
// down, the controls it locks and frees, the log window following it, a
// refused step that ends it with one message, and edits, questions and
// warnings while it runs.

#include <QComboBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

#include "app/rotation_controls.h"
#include "app/solver_log_window.h"
#include "examples/model_building.h"
#include "model/part_kind.h"
#include "tests/app_commands_support.h"
#include "tests/test_support.h"
#include "tests/window_mouse.h"

namespace morvane::testing {
namespace {

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
  const auto& lines = Control<QListWidget>(run.program.LogWindow(), "lstDebug1");
  ASSERT_GT(lines.count(), 0);
  EXPECT_EQ(lines.item(lines.count() - 1)->text().toStdString(), run.program.Document().Log().Lines.back());
}

TEST(RotationTest, RefusedStepShowsOneMessageAndStops) {
  // Where a plain session, turned the same way, stops and what it says.
  Session alone;
  ASSERT_FALSE(alone.Open(kLockingModels + "locks-past-ninety.mvd"));
  alone.SetSpeed(0);
  DriveResult result;
  while ((result = alone.DriveTo(alone.NextAutoPosition(Rotation::Forward))).Status == DriveStatus::Moved) {
  }
  ASSERT_EQ(result.Status, DriveStatus::Refused);
  const int lastGood = alone.Model().PowerPosition;
  ASSERT_TRUE(lastGood > 900 && lastGood < 985) << lastGood;

  RunningProgram run;
  run.Choose("btnOpen", kLockingModels + "locks-past-ninety.mvd");
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

// While btnPlay turns the mechanism: the panel, the speed, the bar and btnBack
// locked, btnPlay down and usable to stop it.
void ExpectLockedByPlay(ProgramDriver& run, const char* after) {
  for (const char* name : kLockedDuringRotation) EXPECT_FALSE(run.Enabled(name)) << name << " after " << after;
  EXPECT_TRUE(run.Enabled("btnPlay") && run.Button("btnPlay").isChecked()) << after;
  EXPECT_FALSE(run.Button("btnBack").isChecked()) << after;
}

// Edits on the canvas go on while the mechanism turns, and leave the locks
// as they were; no step runs while a message is up; deleting the power part
// ends the rotation and frees everything.
TEST(RotationTest, EditsAndMessagesDuringRotationKeepTheLocksAndDeletingThePowerPartEndsIt) {
  RealProgram run;
  run.Main().show();
  examples::AddPart(run.Doc(), DiskActive1, 300, 400);
  examples::AddPart(run.Doc(), RodPassive1, 600, 200);
  examples::Drop(run.Doc(), KoteiPin, 600, 200);
  examples::Drop(run.Doc(), KoteiPin, 640, 200);
  examples::AddPart(run.Doc(), RodPassive2, 600, 600);
  run.program.View().Update();
  run.Press("btnPlay");
  ASSERT_TRUE(QTest::qWaitFor([&] { return run.TrackBar().value() >= 200; }, kTimeoutMs));
  ExpectLockedByPlay(run, "start");

  Popup(run, {620, 600}, "menuKaitenR90");
  EXPECT_EQ(run.Model().PartTable[2].Angle, 90);
  ExpectLockedByPlay(run, "a turn");
  QStringList asked;
  run.answers.Then(Press(QMessageBox::No, &asked));
  Popup(run, {600, 660}, "menuDelete");
  EXPECT_EQ(asked, QStringList({"A parts is deleted." + QString(31, ' '), "&Yes", "&No"}));
  EXPECT_EQ(run.Model().PartCount, 3);
  ExpectLockedByPlay(run, "a declined delete");
  CanvasDrag(run, {{600, 660}, {700, 700}, {800, 760}});
  EXPECT_EQ(std::pair(run.Model().PartTable[2].X, run.Model().PartTable[2].Y), std::pair(800.0, 700.0));
  ExpectLockedByPlay(run, "a drag");

  int heldAt = -1;
  run.answers.Then([&](QWidget& box) {
    heldAt = run.Model().TrackPosition;
    QTest::qWait(10 * kAutoStepInterval.count());
    EXPECT_EQ(run.Model().TrackPosition, heldAt) << "the mechanism turned under the message";
    Press(QMessageBox::Ok, &asked)(box);
  });
  Popup(run, {620, 200}, "menuKaitenR90");
  EXPECT_EQ(asked.mid(3), QStringList({"Since two or more pins are connected, it cannot rotate.", "OK"}));
  ASSERT_NE(heldAt, -1);
  ASSERT_TRUE(QTest::qWaitFor([&] { return run.Model().TrackPosition != heldAt; }, kTimeoutMs));
  ExpectLockedByPlay(run, "a warning");

  run.answers.Then(Press(QMessageBox::Yes));
  Popup(run, {340, 400}, "menuDelete");
  EXPECT_FALSE(run.Model().HasPowerPart);
  const int stoppedAt = run.TrackBar().value();
  QTest::qWait(5 * kAutoStepInterval.count());
  EXPECT_EQ(run.TrackBar().value(), stoppedAt);
  EXPECT_FALSE(run.Button("btnPlay").isChecked() || run.Button("btnBack").isChecked());
  for (const char* name : {"btnOpen", "btnSave", "btnExit", "btnDebug", "PageControl1", "btnUndo"}) {
    EXPECT_TRUE(run.Enabled(name)) << name;
  }
  for (const char* name : {"btnPlay", "btnBack", "cmbSpeed", "TrackBar1"}) EXPECT_FALSE(run.Enabled(name)) << name;
}

// Every key does what its control does, through the real dialogs, and
// nothing where the control is locked: during rotation only Space, which
// stops it, and Delete, as the popup menu's delete, act.
TEST(RotationTest, KeysActThroughTheirControls) {
  RealProgram run;
  app::TformMain& main = run.Main();
  main.show();
  examples::AddPart(run.Doc(), DiskActive1, 300, 400);
  examples::AddPart(run.Doc(), RodPassive2, 450, 200);
  run.program.View().Update();
  TempFolder folder;
  run.Doc().StartFolder(folder.Path.string());
  const auto key = [&](Qt::Key pressed, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    // As the window manager does when a dialog has closed.
    main.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
    QTest::keyClick(&main, pressed, modifiers);
  };

  run.answers.Then(ChooseFile(0, "keys"));
  key(Qt::Key_S, Qt::ControlModifier);
  ASSERT_TRUE(std::filesystem::exists(folder / "keys.mvd"));
  key(Qt::Key_PageUp);
  key(Qt::Key_PageUp);
  key(Qt::Key_PageDown);
  EXPECT_EQ(std::pair(run.TrackBar().value(), run.Model().TrackPosition), std::pair(100, 100));

  QTest::mouseMove(&main.Canvas(), {500, 200});
  run.answers.Then(Press(QMessageBox::Yes));
  key(Qt::Key_Delete);
  EXPECT_EQ(run.Model().PartCount, 1);
  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(run.Model().PartCount, 2);
  key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(run.Model().PartCount, 1);
  key(Qt::Key_Z, Qt::ControlModifier);
  key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(run.Model().PartCount, 1);

  key(Qt::Key_Space);
  ExpectLockedByPlay(run, "Space");
  for (auto [pressed, modifiers] : {std::pair{Qt::Key_O, Qt::ControlModifier},
                                    {Qt::Key_S, Qt::ControlModifier},
                                    {Qt::Key_Z, Qt::ControlModifier}}) {
    key(pressed, modifiers);  // a dialog or an undo here fails the test
  }
  QTest::mouseMove(&main.Canvas(), {340, 400});
  run.answers.Then(Press(QMessageBox::No));
  key(Qt::Key_Delete);
  EXPECT_EQ(run.Model().PartCount, 1);
  ExpectLockedByPlay(run, "keys during rotation");
  const int turnedTo = run.TrackBar().value();
  key(Qt::Key_Space);
  EXPECT_FALSE(run.Button("btnPlay").isChecked());
  EXPECT_EQ(run.Model().TrackPosition, turnedTo);
  run.Press("btnBack");
  key(Qt::Key_Space);
  EXPECT_FALSE(run.Button("btnBack").isChecked() || run.Button("btnPlay").isChecked());

  run.answers.Then(Press(QMessageBox::Discard)).Then(ChooseFile(0, "keys.mvd"));
  key(Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(std::pair(run.Model().PartCount, run.Model().TrackPosition), std::pair(2, 0));
}

// Return to placement before anything was placed hands on the start-up
// speed and step, so a power part placed then turns, and saves them.
TEST(RotationTest, ReturnBeforeTheFirstPlacementKeepsTheStartUpSpeed) {
  RunningProgram run;
  run.Main().show();
  run.Press("btnModoru");
  PaletteDrag(run, "imgDiskActive1", {{300, 400}});
  EXPECT_EQ(std::pair(Control<QComboBox>(run.Main(), "cmbSpeed").currentText(), run.Model().AngleStep),
            std::pair(QString("Middle"), 40));
  run.Press("btnPlay");
  EXPECT_TRUE(QTest::qWaitFor([&] { return run.TrackBar().value() > 0; }, 1000));
  run.Press("btnPlay");
  const int from = run.TrackBar().value();
  run.TrackBar().setValue(from + 1000);
  EXPECT_EQ(std::pair(run.TrackBar().value(), run.Model().TrackPosition), std::pair(from + 1080, from + 1080))
      << "the bar shows where the drive carried the jump";
  TempFolder folder;
  run.Choose("btnSave", (folder / "disk.mvd").string());
  const std::string saved = ReadWholeFile((folder / "disk.mvd").string());
  EXPECT_NE(saved.find("\r\n2\r\n40\r\n2\r\n40\r\n"), std::string::npos) << saved.substr(0, 120);
}

}  // namespace
}  // namespace morvane::testing
