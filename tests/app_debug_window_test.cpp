// The processing-progress window with a log the test writes: lines are kept
// only while btnDebug is down, and saved as text through the save dialog.

#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <gtest/gtest.h>

#include "app/solver_log_window.h"
#include "tests/app_commands_support.h"
#include "tests/dialog_answers.h"
#include "tests/test_support.h"

namespace morvane::testing {
namespace {

struct DebugWindow : RunningProgram {
  DebugWindow() { program.Document().StartFolder(Folder); }
  app::SolverLogWindow& Window() { return program.LogWindow(); }
  // The window shows the line as it is logged, with no step of the bar.
  void Log(const std::string& line) {
    AppendProgressLog(program.Document().Log(), line);
    QCoreApplication::processEvents();
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

// The lines an export logs show as they come, not at the next step of the
// bar; the window and the log keep the last ProgressLog::kKeptLines lines, so
// a window left open while the mechanism turns does not grow without end.
TEST(DebugWindowTest, ShowsTheLinesOfAnExportAtOnceAndKeepsTheLatest) {
  DebugWindow run;
  run.Press("btnDebug");
  run.program.Document().MutableModel() = *LoadModel(kExamples + "crank-rocker.mvd");
  DialogAnswers answers;
  answers.Then(AcceptArea(true));
  run.dialogs.FileAnswers.push_back(app::FileChoice{QString::fromStdString(run.Folder + "sheet.bmp"), 1});
  run.Press("btnImageSave");
  QCoreApplication::processEvents();
  const std::deque<std::string>& log = run.program.Document().Log().Lines;
  ASSERT_GT(log.size(), 100u);
  EXPECT_EQ(run.Lines().size(), log.size());
  EXPECT_EQ(run.Lines().back().toStdString(), log.back());

  Control<QAbstractButton>(run.Window(), "btnClear").click();
  for (size_t i = 0; i < ProgressLog::kKeptLines + 5; ++i) {
    AppendProgressLog(run.program.Document().Log(), "line " + std::to_string(i));
  }
  QCoreApplication::processEvents();
  EXPECT_EQ(std::pair(log.size(), log.front()), std::pair(ProgressLog::kKeptLines, std::string("line 5")));
  const QStringList shown = run.Lines();
  EXPECT_EQ(std::pair(static_cast<size_t>(shown.size()), shown.front()),
            std::pair(ProgressLog::kKeptLines, QString("line 5")));
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
