// The document commands of the real main window: the questions of the open
// and save choosers, what a good or a broken file leaves behind, the saved
// bytes, the history and whole-model buttons and the model named at start-up.

#include <QTimer>
#include <gtest/gtest.h>

#include "app/canvas_widget.h"
#include "tests/app_commands_support.h"
#include "tests/test_support.h"
#include "tests/window_mouse.h"

namespace morvane::testing {
namespace {

using app::MessageKind;
using app::ShownMessage;

const std::string kMalformed = std::string(MORVANE_SOURCE_DIR) + "/tests/data/malformed/";

bool ShowsEmptyCanvas(RunningProgram& run) {
  return Control<app::CanvasWidget>(run.Main(), "imgDisplay").Picture() == run.Main().Pictures().imgClearDot;
}

TEST(DocumentCommandsTest, ChoosersAskTheirQuestionsInBothLanguages) {
  const QString documents = QString::fromStdString(app::DocumentsFolder()) + "/";
  for (const auto& [language, open, save, filter, fresh] :
       {std::tuple{Language::English, "Linkage mechanism data is opened", "Preservation of data of linkage mechanism",
                   "Linkage mechanism data (*.mvd)|*.mvd", "NewData"},
        std::tuple{Language::Japanese, "リンク機構データを開く", "リンク機構データの保存",
                   "リンク機構データ (*.mvd)|*.mvd", "新規"}}) {
    RunningProgram run(language);
    run.Press("btnSave");
    run.Choose("btnOpen", kExamples + "crank-rocker.mvd");
    run.Press("btnSave");
    const std::vector<app::FileRequest>& asked = run.dialogs.FileRequests;
    ASSERT_EQ(asked.size(), 3U);
    EXPECT_EQ(FieldsOf(asked[0]), QStringList({save, documents, fresh, filter, ""}));
    EXPECT_EQ(FieldsOf(asked[1]), QStringList({open, documents, "", filter, "mvd"}));
    EXPECT_EQ(FieldsOf(asked[2]), QStringList({save, QString::fromStdString(kExamples), "crank-rocker", filter, ""}));
  }
}

TEST(DocumentCommandsTest, OpenTakesAGoodFileAndRefusesABrokenOne) {
  RunningProgram run;
  run.Main().show();
  run.Choose("btnOpen", kExamples + "crank-rocker.mvd");
  const std::string opened = run.ModelText();
  EXPECT_EQ(opened, ReadWholeFile(kExamples + "crank-rocker.mvd"));
  for (const char* name : {"TrackBar1", "cmbSpeed", "btnPlay", "btnBack"}) EXPECT_TRUE(run.Enabled(name)) << name;
  EXPECT_EQ(run.Main().focusWidget(), &run.TrackBar());
  EXPECT_FALSE(ShowsEmptyCanvas(run));

  run.Choose("btnOpen", kMalformed + "header_other_version.mvd");
  run.Choose("btnOpen", kMalformed + "no_such_file.mvd");
  EXPECT_EQ(run.dialogs.Shown,
            (std::vector<ShownMessage>{{MessageKind::Information, "The data file has broken."},
                                       {MessageKind::Information, "Reading of a file went wrong."}}));
  EXPECT_EQ(run.ModelText(), opened);
}

TEST(DocumentCommandsTest, SaveWritesTheWritersBytesWithoutTheLoci) {
  RunningProgram run;
  TempFolder folder;
  run.Choose("btnOpen", kExamples + "four-pens.mvd");
  run.Press("btnLeft");
  run.TrackBar().setValue(40);
  ASSERT_FALSE(run.program.Document().Loci().Empty());
  run.Choose("btnSave", (folder / "Model.txt").string());
  EXPECT_TRUE(run.program.Document().Loci().Empty());
  EXPECT_EQ(ReadWholeFile((folder / "Model.txt.mvd").string()), run.ModelText());
  {
    const FileSizeLimit limit(10);
    run.Choose("btnSave", (folder / "cut.mvd").string());
  }
  EXPECT_EQ(run.dialogs.Shown,
            (std::vector<ShownMessage>{{MessageKind::Information, "The writing of a file went wrong."}}));
}

TEST(DocumentCommandsTest, HistoryAndWholeModelButtons) {
  RunningProgram run;
  run.Choose("btnOpen", kExamples + "crank-rocker.mvd");
  const Table placed = run.Model().PartTable;
  const auto shiftedBy = [&](double dx, double dy) {
    const Table& now = run.Model().PartTable;
    return now[1].X == placed[1].X + dx && now[1].Y == placed[1].Y + dy && now[2].Y == placed[2].Y + dy;
  };
  const auto history = [&] { return std::pair(run.Enabled("btnUndo"), run.Enabled("btnRedo")); };
  // Each button, then how far part 1 stands from its place and whether Undo and Redo can be pressed.
  const struct { const char* Button; double Dx, Dy; bool Undo, Redo; } steps[] = {
      {"btnLeft", -10, 0, false, false},  // the first edit after an open cannot be undone
      {"btnUp", -10, -10, true, false},  {"btnUndo", -10, 0, false, true}, {"btnRedo", -10, -10, true, false},
      {"btnRight", 0, -10, true, false}, {"btnDown", 0, 0, true, false}};
  for (const auto& step : steps) {
    run.Press(step.Button);
    EXPECT_TRUE(shiftedBy(step.Dx, step.Dy)) << step.Button;
    EXPECT_EQ(history(), std::pair(step.Undo, step.Redo)) << step.Button;
  }

  run.TrackBar().setValue(400);
  EXPECT_FALSE(shiftedBy(0, 0));
  run.Press("btnModoru");
  EXPECT_TRUE(shiftedBy(0, 0));
  EXPECT_EQ(run.TrackBar().value(), 0);
  EXPECT_TRUE(run.program.Document().Loci().Empty());
  EXPECT_EQ(history(), std::pair(false, false));

  run.dialogs.ConfirmAnswers = {false, true};
  run.Press("btnClear");
  EXPECT_EQ(run.Model().PartCount, 3);
  run.Press("btnClear");
  EXPECT_EQ(run.Model().PartCount, 0);
  EXPECT_TRUE(ShowsEmptyCanvas(run));
  EXPECT_FALSE(run.Enabled("TrackBar1") || run.Enabled("btnPlay"));
  EXPECT_EQ(run.dialogs.Shown, std::vector<ShownMessage>(2, {MessageKind::Confirmation, "Are all eliminated?"}));
}

// A changed model is not lost without a question: Exit, Open and Erase All
// offer Save, Discard and Cancel, through the real message box and file
// dialog; an unchanged one gets the usual questions, and turning the
// mechanism is no change.
TEST(DocumentCommandsTest, AChangedModelIsOfferedForSavingBeforeItIsLost) {
  for (const Language language : {Language::English, Language::Japanese}) {
    const bool japanese = language == Language::Japanese;
    TempFolder folder;
    RealProgram run(language);
    run.Main().show();
    run.Doc().StartFolder(folder.Path.string());
    PaletteDrag(run, "imgDiskActive1", {{300, 300}});
    QStringList asked;
    run.answers.Then(Press(QMessageBox::Cancel, &asked));
    run.Press("btnExit");
    run.answers.Then(Press(QMessageBox::Save)).Then(CancelDialog());
    run.Press("btnExit");
    EXPECT_TRUE(run.Main().isVisible());
    EXPECT_EQ(asked, japanese ? QStringList({"モデルが変更されています。保存しますか？", "保存", "キャンセル", "変更を破棄"})
                              : QStringList({"The model has been changed. Do you want to save it?", "Save", "Cancel",
                                             "Discard"}));

    run.answers.Then(Press(QMessageBox::Discard))
        .Then(ChooseFile(0, QString::fromStdString(kExamples + "crank-rocker.mvd")));
    run.Press("btnOpen");
    EXPECT_EQ(run.Model().PartCount, 3);
    run.TrackBar().setValue(400);
    run.answers.Then(Press(QMessageBox::No, &asked));
    run.Press("btnClear");
    EXPECT_EQ(asked.mid(4, 1), QStringList(japanese ? "すべて消去しますか？" : "Are all eliminated?"));

    run.Press("btnLeft");
    const std::string moved = run.ModelText();
    run.answers.Then(Press(QMessageBox::Save)).Then(ChooseFile(0, QString::fromStdString((folder / "kept").string())));
    run.Press("btnClear");
    EXPECT_EQ(run.Model().PartCount, 0);
    EXPECT_EQ(ReadWholeFile(folder / "kept.mvd"), moved);
    // Yes ends the message loop.
    run.answers.Then(Press(QMessageBox::Yes, &asked));
    QTimer::singleShot(0, &run.Main(), [&run] { run.Press("btnExit"); });
    QTimer::singleShot(20000, &run.Main(), [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(asked.mid(7, 1), QStringList(japanese ? "終了しますか？" : "Does it exit?"));
    EXPECT_FALSE(run.Main().isVisible());
  }
}

// The model named on the command line is opened once the window shows; a good
// one is turned in ExitAsksAndNoKeepsRunning.
TEST(DocumentCommandsTest, StartUpRefusesABrokenModelNamedOnTheCommandLine) {
  RunningProgram bad(Language::Japanese, kMalformed + "header_lower_case.mvd");
  bad.Main().show();
  QCoreApplication::processEvents();
  EXPECT_EQ(bad.dialogs.Shown,
            (std::vector<ShownMessage>{{MessageKind::Information, "データファイルが壊れています。"}}));
  EXPECT_EQ(bad.Model().PartCount, 0);
  EXPECT_TRUE(ShowsEmptyCanvas(bad));
}

}  // namespace
}  // namespace morvane::testing
