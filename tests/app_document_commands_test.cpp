// The document commands of the real main window: the questions of the open
// and save choosers, what a good or a broken file leaves behind, the saved
// bytes, the history and whole-model buttons and the model named at start-up.

#include <QStandardPaths>
#include <filesystem>
#include <gtest/gtest.h>

#include "app/canvas_widget.h"
#include "tests/app_commands_support.h"
#include "tests/test_support.h"

namespace morvane::testing {
namespace {

using app::MessageKind;
using app::ShownMessage;

const std::string kMalformed = std::string(MORVANE_SOURCE_DIR) + "/tests/data/malformed/";

bool ShowsEmptyCanvas(RunningProgram& run) {
  return Control<app::CanvasWidget>(run.Main(), "imgDisplay").Picture() == run.Main().Pictures().imgClearDot;
}

TEST(DocumentCommandsTest, ChoosersAskTheirQuestionsInBothLanguages) {
  struct Texts {
    Language Lang;
    QString OpenTitle, SaveTitle, Filter;
  };
  for (const Texts& texts : {Texts{Language::English, "Linkage mechanism data is opened",
                                   "Preservation of data of linkage mechanism", "Linkage mechanism data (*.mvd)|*.mvd"},
                             Texts{Language::Japanese, "リンク機構データを開く", "リンク機構データの保存",
                                   "リンク機構データ (*.mvd)|*.mvd"}}) {
    RunningProgram run(texts.Lang);
    TempFolder folder;
    std::filesystem::copy_file(kExamples + "crank-rocker.mvd", folder / "crank-rocker.mvd");
    run.Choose("btnOpen", (folder / "crank-rocker.mvd").string());
    run.Press("btnSave");
    ASSERT_EQ(run.dialogs.FileRequests.size(), 2U);
    const app::FileRequest& open = run.dialogs.FileRequests[0];
    const app::FileRequest& save = run.dialogs.FileRequests[1];
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/";
    EXPECT_EQ(QStringList({open.Title, open.Folder, open.ProposedName, open.Filters, open.DefaultExtension}),
              QStringList({texts.OpenTitle, documents, "", texts.Filter, "mvd"}));
    const QString opened = QString::fromStdString(folder.Path.string() + "/");
    EXPECT_EQ(QStringList({save.Title, save.Folder, save.ProposedName, save.Filters, save.DefaultExtension}),
              QStringList({texts.SaveTitle, opened, "crank-rocker", texts.Filter, "mvd"}));
  }
  RunningProgram fresh(Language::Japanese);
  fresh.Press("btnSave");
  EXPECT_EQ(fresh.dialogs.FileRequests.at(0).ProposedName, "新規");
}

TEST(DocumentCommandsTest, OpenTakesAGoodFileAndRefusesABrokenOne) {
  RunningProgram run;
  run.Main().show();
  run.Choose("btnOpen", kExamples + "crank-rocker.mvd");
  EXPECT_EQ(run.ModelText(), ReadWholeFile(kExamples + "crank-rocker.mvd"));
  for (const char* name : {"TrackBar1", "cmbSpeed", "btnPlay", "btnBack"}) EXPECT_TRUE(run.Enabled(name)) << name;
  EXPECT_FALSE(run.Enabled("btnUndo") || run.Enabled("btnRedo"));
  EXPECT_EQ(run.Main().focusWidget(), &run.TrackBar());
  EXPECT_FALSE(ShowsEmptyCanvas(run));

  const std::string before = run.ModelText();
  run.Choose("btnOpen", kMalformed + "header_other_version.mvd");
  run.Choose("btnOpen", kMalformed + "part_count_50.mvd");
  run.Choose("btnOpen", kMalformed + "no_such_file.mvd");
  EXPECT_EQ(run.dialogs.Shown,
            (std::vector<ShownMessage>{{MessageKind::Information, "The data file has broken."},
                                       {MessageKind::Information, "The data file has broken."},
                                       {MessageKind::Information, "Reading of a file went wrong."}}));
  EXPECT_EQ(run.ModelText(), before);
}

TEST(DocumentCommandsTest, SaveWritesTheWritersBytes) {
  RunningProgram run;
  TempFolder folder;
  run.Choose("btnOpen", kExamples + "four-pens.mvd");
  run.Press("btnLeft");
  run.TrackBar().setValue(40);
  ASSERT_FALSE(run.program.Document().Loci().Empty());
  run.Choose("btnSave", (folder / "Model.txt").string());
  EXPECT_TRUE(run.program.Document().Loci().Empty());
  EXPECT_EQ(ReadWholeFile((folder / "Model.txt.mvd").string()), run.ModelText());

  // An empty model written and read back leaves the rotation strip disabled.
  run.dialogs.ConfirmAnswers = {true};
  run.Press("btnClear");
  run.Choose("btnSave", (folder / "empty.mvd").string());
  run.Choose("btnOpen", kExamples + "four-pens.mvd");
  run.Choose("btnOpen", (folder / "empty.mvd").string());
  EXPECT_EQ(run.Model().PartCount, 0);
  for (const char* name : {"TrackBar1", "cmbSpeed", "btnPlay", "btnBack"}) EXPECT_FALSE(run.Enabled(name)) << name;
  EXPECT_EQ(run.dialogs.Shown.size(), 1U);
  {
    const FileSizeLimit limit(10);
    run.Choose("btnSave", (folder / "cut.mvd").string());
  }
  EXPECT_EQ(run.dialogs.Shown.back(), (ShownMessage{MessageKind::Information, "The writing of a file went wrong."}));
}

TEST(DocumentCommandsTest, HistoryAndWholeModelButtons) {
  RunningProgram run;
  run.Choose("btnOpen", kExamples + "crank-rocker.mvd");
  const Table placed = run.Model().PartTable;
  const auto shiftedBy = [&](double dx, double dy) {
    for (int i = 0; i < run.Model().PartCount; ++i) {
      if (run.Model().PartTable[i].X != placed[i].X + dx || run.Model().PartTable[i].Y != placed[i].Y + dy) {
        return false;
      }
    }
    return true;
  };
  run.Press("btnLeft");
  EXPECT_TRUE(shiftedBy(-10, 0));
  EXPECT_FALSE(run.Enabled("btnUndo"));  // the first edit after an open has nothing to go back to
  run.Press("btnUp");
  EXPECT_TRUE(shiftedBy(-10, -10));
  EXPECT_TRUE(run.Enabled("btnUndo") && !run.Enabled("btnRedo"));
  run.Press("btnUndo");
  EXPECT_TRUE(shiftedBy(-10, 0));
  EXPECT_TRUE(!run.Enabled("btnUndo") && run.Enabled("btnRedo"));
  run.Press("btnRedo");
  EXPECT_TRUE(shiftedBy(-10, -10));
  EXPECT_TRUE(run.Enabled("btnUndo") && !run.Enabled("btnRedo"));
  run.Press("btnRight");
  run.Press("btnDown");
  EXPECT_TRUE(shiftedBy(0, 0));

  run.TrackBar().setValue(400);
  EXPECT_FALSE(shiftedBy(0, 0));
  run.Press("btnPenDrawClear");
  EXPECT_TRUE(run.program.Document().Loci().Empty());
  run.TrackBar().setValue(440);
  run.Press("btnModoru");
  EXPECT_TRUE(shiftedBy(0, 0));
  EXPECT_EQ(run.TrackBar().value(), 0);
  EXPECT_TRUE(run.program.Document().Loci().Empty());
  EXPECT_FALSE(run.Enabled("btnUndo") || run.Enabled("btnRedo"));

  run.dialogs.ConfirmAnswers = {false, true};
  run.Press("btnClear");
  EXPECT_EQ(run.Model().PartCount, 3);
  run.Press("btnClear");
  EXPECT_EQ(run.Model().PartCount, 0);
  EXPECT_TRUE(ShowsEmptyCanvas(run));
  EXPECT_FALSE(run.Enabled("TrackBar1") || run.Enabled("btnPlay"));
  EXPECT_EQ(run.dialogs.Shown, std::vector<ShownMessage>(2, {MessageKind::Confirmation, "Are all eliminated?"}));
}

TEST(DocumentCommandsTest, StartUpOpensTheModelNamedOnTheCommandLine) {
  RunningProgram good(Language::English, kExamples + "slider-crank.mvd");
  EXPECT_EQ(good.Model().PartCount, 0);
  good.Main().show();
  QCoreApplication::processEvents();
  EXPECT_EQ(good.ModelText(), ReadWholeFile(kExamples + "slider-crank.mvd"));
  EXPECT_TRUE(good.Enabled("btnPlay"));

  RunningProgram bad(Language::Japanese, kMalformed + "header_lower_case.mvd");
  bad.Main().show();
  QCoreApplication::processEvents();
  EXPECT_EQ(bad.dialogs.Shown,
            (std::vector<ShownMessage>{{MessageKind::Information, "データファイルが壊れています。"}}));
  EXPECT_EQ(bad.Model().PartCount, 0);
  EXPECT_TRUE(ShowsEmptyCanvas(bad));
  EXPECT_FALSE(bad.Enabled("TrackBar1"));
}

}  // namespace
}  // namespace morvane::testing
