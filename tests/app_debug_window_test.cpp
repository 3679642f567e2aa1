// The processing-progress window with a log the test writes: lines are kept
// only while btnDebug is down, and saved as text through the save dialog.

#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <gtest/gtest.h>

#include "app/solver_log_window.h"
#include "tests/app_commands_support.h"
#include "tests/test_support.h"

namespace morvane::testing {
namespace {

struct DebugWindow : RunningProgram {
  DebugWindow() { program.Document().StartFolder(Folder); }
  app::SolverLogWindow& Window() { return program.LogWindow(); }
  void Log(const std::string& line) {
    AppendProgressLog(program.Document().Log(), line);
    Window().Refresh();
  }
  // btnSave of this window; the save dialog answers `path`, or cancels when there is none.
  void Save(std::optional<std::string> path) {
    dialogs.FileAnswers.push_back(path ? std::optional(app::FileChoice{QString::fromStdString(*path), 0}) : std::nullopt);
    Control<QAbstractButton>(Window(), "btnSave").click();
  }
  QStringList Lines() {
    QStringList lines;
    const auto& list = Control<QListWidget>(Window(), "lstDebug1");
    for (int i = 0; i < list.count(); ++i) lines.append(list.item(i)->text());
    return lines;
  }

  TempFolder temp;
  const std::string Folder = temp.Path.string() + "/";
};

TEST(DebugWindowTest, CollectsOnlyWhileTheButtonIsDown) {
  DebugWindow run;
  run.Log("before");
  run.Press("btnDebug");
  EXPECT_TRUE(run.Window().isVisible());
  EXPECT_EQ(run.Button("btnDebug").toolTip(), "A processing progress window is closed");
  const QRect screen = QGuiApplication::primaryScreen()->geometry(), frame = run.Window().frameGeometry();
  EXPECT_EQ(std::tuple(run.Window().size(), frame.right(), frame.top()),
            std::tuple(QSize(400, 320), screen.right(), screen.top()));
  run.Log("== one ==");
  run.Log("  two");
  EXPECT_EQ(run.Lines(), QStringList({"== one ==", "  two"}));

  // Clear empties the list and the solver's indent.
  run.program.Document().Log().SolverDepth = 3;
  Control<QAbstractButton>(run.Window(), "btnClear").click();
  EXPECT_TRUE(run.Lines().isEmpty());
  EXPECT_EQ(run.program.Document().Log().SolverDepth, 0);
  run.Log("three");

  run.Press("btnDebug");
  EXPECT_FALSE(run.Window().isVisible());
  EXPECT_EQ(run.Button("btnDebug").toolTip(), "A processing progress window is displayed");
  run.Log("dropped");
  run.Press("btnDebug");
  run.Log("four");
  EXPECT_EQ(run.Lines(), QStringList({"four"}));

  // Closing the window releases the button, and logging stops.
  Control<QAbstractButton>(run.Window(), "btnClose").click();
  EXPECT_FALSE(run.Button("btnDebug").isChecked() || run.Window().isVisible());
  run.Log("lost");
  EXPECT_TRUE(run.program.Document().Log().Lines.empty());
}

TEST(DebugWindowTest, SavesItsLinesAsText) {
  DebugWindow run;
  run.Press("btnDebug");
  run.Log("== The move processing start of power parts ==");
  run.Log("日本語の行");
  WriteBytes(run.Folder + "NewData.txt", "taken");
  const std::string expected = "== The move processing start of power parts ==\n日本語の行\n";

  run.Save(run.Folder + "Run.TXT");
  EXPECT_EQ(FieldsOf(run.dialogs.FileRequests.at(0)),
            QStringList({"Preservation of a processing progress log", QString::fromStdString(run.Folder),
                         "NewData(1)", "Processing progress log (*.txt)|*.txt", ""}));
  EXPECT_EQ(ReadWholeFile(run.Folder + "Run.TXT"), expected);
  EXPECT_EQ(run.program.Document().Names().LastModelName, "Run.TXT");
  run.Save(run.Folder + "run2");
  EXPECT_EQ(run.dialogs.FileRequests.at(1).ProposedName, "Run");
  EXPECT_EQ(ReadWholeFile(run.Folder + "run2.txt"), expected);
  run.Save(std::nullopt);  // cancelled: nothing is written
  EXPECT_FALSE(std::filesystem::exists(run.Folder + "run2.txt.txt"));
  EXPECT_TRUE(run.dialogs.Shown.empty());

  // A folder that does not exist: the write fails, the user is told and the lines stay.
  run.Save(run.Folder + "missing/log.txt");
  EXPECT_EQ(run.dialogs.Shown,
            std::vector<app::ShownMessage>({{app::MessageKind::Information, "The writing of a file went wrong."}}));
  EXPECT_EQ(run.Lines().size(), 2);
}

}  // namespace
}  // namespace morvane::testing
