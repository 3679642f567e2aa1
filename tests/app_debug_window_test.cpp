// The processing-progress window with a log the test owns: lines are kept only
// while btnDebug is down, and saved as text through the scripted save dialog.

#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "app/form_debug.h"
#include "app/form_main.h"
#include "app/program.h"
#include "app/scripted_dialogs.h"
#include "tests/app_support.h"
#include "tests/test_support.h"

namespace morvane::app {
namespace {

using testing::Control;

QStringList ListedLines(const TformDebug& window) {
  QStringList lines;
  const auto& list = Control<QListWidget>(window, "lstDebug1");
  for (int i = 0; i < list.count(); ++i) {
    lines.append(list.item(i)->text());
  }
  return lines;
}

class DebugWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = testing::MakeTempFolder() + "/";
    program = std::make_unique<Program>(Language::English, dialogs, "");
    program->Document().StartFolder(folder);
  }
  void TearDown() override {
    program.reset();
    std::filesystem::remove_all(folder);
  }
  QAbstractButton& DebugButton() { return Control<QAbstractButton>(program->Main(), "btnDebug"); }
  void Log(const std::string& line) {
    AppendProgressLog(program->Document().Log(), line);
    program->Debug().Refresh();
  }

  ScriptedDialogs dialogs;
  std::string folder;
  std::unique_ptr<Program> program;
};

TEST_F(DebugWindowTest, CollectsOnlyWhileTheButtonIsDown) {
  TformDebug& window = program->Debug();
  Log("before");
  DebugButton().click();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(DebugButton().toolTip(), "A processing progress window is closed");
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(window.size(), QSize(400, 320));
  EXPECT_EQ(window.frameGeometry().right(), screen.right());
  EXPECT_EQ(window.frameGeometry().top(), screen.top());

  Log("== one ==");
  Log("  two");
  EXPECT_EQ(ListedLines(window), QStringList({"== one ==", "  two"}));

  // Clear empties the list and the solver's indent.
  program->Document().Log().SolverDepth = 3;
  Control<QAbstractButton>(window, "btnClear").click();
  EXPECT_TRUE(ListedLines(window).isEmpty());
  EXPECT_EQ(program->Document().Log().SolverDepth, 0);
  Log("three");

  DebugButton().click();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(DebugButton().toolTip(), "A processing progress window is displayed");
  Log("dropped");
  DebugButton().click();
  EXPECT_TRUE(ListedLines(window).isEmpty());
  Log("four");
  EXPECT_EQ(ListedLines(window), QStringList({"four"}));

  // Closing the window releases the button, and logging stops.
  Control<QAbstractButton>(window, "btnClose").click();
  EXPECT_FALSE(DebugButton().isChecked());
  EXPECT_FALSE(window.isVisible());
  Log("lost");
  EXPECT_TRUE(program->Document().Log().Lines.empty());
}

TEST_F(DebugWindowTest, SavesItsLinesAsText) {
  DebugButton().click();
  Log("== The move processing start of power parts ==");
  Log("日本語の行");
  std::ofstream(folder + "NewData.txt") << "taken";
  const std::string expected = "== The move processing start of power parts ==\n日本語の行\n";

  dialogs.FileAnswers = {FileChoice{QString::fromStdString(folder + "Run.TXT"), 0},
                         FileChoice{QString::fromStdString(folder + "run2"), 0}, std::nullopt};
  auto& save = Control<QAbstractButton>(program->Debug(), "btnSave");
  save.click();
  ASSERT_EQ(dialogs.FileRequests.size(), 1u);
  const FileRequest& request = dialogs.FileRequests[0];
  EXPECT_EQ(request.Title, "Preservation of a processing progress log");
  EXPECT_EQ(request.Folder.toStdString(), folder);
  EXPECT_EQ(request.ProposedName, "NewData(1)");
  EXPECT_EQ(request.DefaultExtension, "txt");
  EXPECT_EQ(testing::ReadWholeFile(folder + "Run.TXT"), expected);
  EXPECT_EQ(program->Document().Names().LastModelName, "Run.TXT");

  save.click();
  EXPECT_EQ(dialogs.FileRequests[1].ProposedName, "Run");
  EXPECT_EQ(testing::ReadWholeFile(folder + "run2.txt"), expected);
  save.click();  // cancelled: nothing is written
  EXPECT_FALSE(std::filesystem::exists(folder + "run2.txt.txt"));
  EXPECT_TRUE(dialogs.Shown.empty());

  // A folder that does not exist: the write fails, the user is told and the lines stay.
  dialogs.FileAnswers = {FileChoice{QString::fromStdString(folder + "missing/log.txt"), 0}};
  save.click();
  EXPECT_EQ(dialogs.Shown, std::vector<ShownMessage>({{MessageKind::Information, "The writing of a file went wrong."}}));
  EXPECT_EQ(ListedLines(program->Debug()).size(), 2);
}

}  // namespace
}  // namespace morvane::app
