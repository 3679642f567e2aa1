// btnImageSave, btnPrint and btnMakeMovie in the real windows, offscreen, with
// the area dialog answered by its buttons and the other dialogs by a script.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QEvent>
#include <QPushButton>
#include <QTimer>

#include "export/export_progress_window.h"
#include "export/image_export.h"
#include "export/tform_area.h"
#include "tests/app_commands_support.h"
#include "tests/export_test_support.h"
#include "tests/image_test_support.h"

namespace morvane::testing {
namespace {

using app::MessageKind;
using app::ShownMessage;

const ShownMessage kRodRefusal{MessageKind::Information, "Since the length of a rod does not suit, it cannot move."};

// Whether the main window took input each time the progress window appeared.
struct MainEnabledAtShow final : QObject {
  explicit MainEnabledAtShow(app::Program& program) : Main(program.Main()) { program.ProgressWindow().installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show) Seen.push_back(Main.isEnabled());
    return false;
  }
  QWidget& Main;
  std::vector<bool> Seen;
};

// Clicks the button and answers the area dialog with OK, the series box as
// asked; returns whether the box was offered.
bool ClickAndAccept(RunningProgram& run, const char* button, bool series = false) {
  bool offered = false;
  QTimer::singleShot(0, [&] {
    auto& box = Control<QCheckBox>(run.program.Area(), "chkRenzoku");
    offered = box.isVisible();
    box.setChecked(series);
    Control<QPushButton>(run.program.Area(), "btnOK").click();
  });
  run.Press(button);
  return offered;
}

class ExportCommandsTest : public ::testing::Test {
 protected:
  void Answer(const std::string& name, int filterIndex) {
    run.dialogs.FileAnswers.push_back(app::FileChoice{QString::fromStdString((folder / name).string()), filterIndex});
  }
  // Opened, the model gives the proposed names; loaded, it leaves them to the folder.
  void Open(const std::string& name, const std::string& folder = kExamples) {
    ASSERT_EQ(session.Open(folder + name), std::nullopt);
  }
  void Load(const std::string& name) { session.MutableModel() = *LoadModel(kExamples + name); }
  bool Exists(const std::string& name) const { return std::filesystem::exists(folder / name); }
  QImage Read(const std::string& name) const { return QImage(QString::fromStdString((folder / name).string())); }
  // The refused model is back where it was, in the windows too, and they take input.
  void ExpectPutBack(const ModelState& before, const MainEnabledAtShow& watch, size_t shows) {
    EXPECT_EQ(session.Model().PartTable, before.PartTable);
    EXPECT_EQ(run.TrackBar().value(), before.TrackPosition);
    EXPECT_EQ(watch.Seen, std::vector<bool>(shows, false));
    EXPECT_TRUE(run.Main().isEnabled());
    EXPECT_FALSE(run.program.ProgressWindow().isVisible());
  }

  TempFolder folder;
  RunningProgram run;
  Session& session = run.program.Document();
};

TEST_F(ExportCommandsTest, ProposedNamesExtensionsAndTheCaptionOfTheProposal) {
  Load("crank-rocker.mvd");
  session.StartFolder(folder.Path.string());
  WriteBytes(folder / "NewData.jpg", "");
  WriteBytes(folder / "NewData(1).gif", "");
  for (const auto& [name, filter] : {std::pair{"pic.JPG", 0}, {"pic", 0}, {"pic.bmp", 0}, {"shot", 1}, {"tiny.gif", 3}}) {
    Answer(name, filter);
    EXPECT_TRUE(ClickAndAccept(run, "btnImageSave")) << "the series box is offered";
  }
  ASSERT_EQ(run.dialogs.FileRequests.size(), 5u);
  EXPECT_EQ(FieldsOf(run.dialogs.FileRequests[0]),
            QStringList({"Preservation of a linkage mechanism image", QString::fromStdString(folder.Path.string() + "/"),
                         "NewData(2)",
                         "JPEG file (*.jpg)|*.jpg|BMP file (*.bmp)|*.bmp|GIF file (*.gif)|*.gif|"
                         "GIF file(120x90) (*.gif)|*.gif|SVG file (*.svg)|*.svg",
                         ""}));
  EXPECT_EQ(std::pair(run.dialogs.FileRequests[1].ProposedName, run.dialogs.FileRequests[3].ProposedName),
            std::pair(QString("pic"), QString("pic.bmp")));
  EXPECT_EQ(Read("pic.JPG").size(), QSize(1280, 960));
  EXPECT_TRUE(Exists("pic.jpg") && Exists("pic.bmp.jpg") && !Exists("pic.bmp"));
  EXPECT_EQ(Read("tiny.gif").size(), QSize(120, 90));
  EXPECT_EQ(session.Names().LastModelName, "tiny.gif");

  // The caption names the proposal, not the name typed.
  view::CanvasPictures pictures;
  const QImage shot = Read("shot.bmp").convertToFormat(QImage::Format_RGB888);
  EXPECT_EQ(shot, exporting::SinglePicture({session, pictures, {}, "pic.bmp"}, false));
  EXPECT_NE(shot, exporting::SinglePicture({session, pictures, {}, "shot"}, false));
  EXPECT_TRUE(run.dialogs.Shown.empty());
}

TEST_F(ExportCommandsTest, ARefusedSeriesSaysWhyWritesNothingAndPutsEverythingBack) {
  Open("locks-past-ninety.mvd", kLockingModels);
  const ModelState before = session.Model();
  const MainEnabledAtShow watch(run.program);
  Answer("sheet.jpg", 0);
  ClickAndAccept(run, "btnImageSave", true);
  EXPECT_EQ(run.dialogs.FileRequests.at(0).ProposedName, "locks-past-ninety");
  EXPECT_EQ(run.dialogs.FileRequests.at(0).Filters,
            "JPEG file (*.jpg)|*.jpg|BMP file (*.bmp)|*.bmp|GIF file (*.gif)|*.gif");
  EXPECT_EQ(run.dialogs.Shown, (std::vector<ShownMessage>{
                                   kRodRefusal, {MessageKind::Information, "Creation of a continuation image is stopped."}}));
  EXPECT_EQ(folder.EntryCount(), 0u);
  ExpectPutBack(before, watch, 1);
}

TEST_F(ExportCommandsTest, PrintsASeriesIntoTheChosenPdfFile) {
  Load("crank-rocker.mvd");
  run.dialogs.PrintFile = QString::fromStdString((folder / "print.pdf").string());
  run.dialogs.PrintAnswers = {false, true};
  ClickAndAccept(run, "btnPrint", true);
  EXPECT_EQ(folder.EntryCount(), 0u) << "the print dialog was cancelled";
  ClickAndAccept(run, "btnPrint", true);
  const PdfPage page = ReadPdfPage((folder / "print.pdf").string());
  EXPECT_EQ(page.Pages, 1);
  EXPECT_LT(page.Points.width(), page.Points.height());
  EXPECT_TRUE(run.Main().isEnabled());
  EXPECT_TRUE(run.dialogs.Shown.empty());
}

// The movie command: rotation released, no series box, the save dialog in
// both languages, the main window disabled while recording, and the messages
// of a stopped movie, which keeps its frames.
TEST_F(ExportCommandsTest, MoviesAskForTheirFileAndRecordWithTheMainWindowDisabled) {
  Load("crank-rocker.mvd");
  session.StartFolder(folder.Path.string());
  WriteBytes(folder / "NewData.mpg", "");
  WriteBytes(folder / "NewData(1).avi", "");
  const MainEnabledAtShow watch(run.program);
  Answer("anim", 4);
  // While the mechanism turns by itself the button cannot be clicked, only the command asked for.
  run.Button("btnPlay").setChecked(true);
  QTimer::singleShot(0, [&] { Control<QPushButton>(run.program.Area(), "btnOK").click(); });
  emit run.Main().btnMakeMovieClick();
  EXPECT_FALSE(run.Button("btnPlay").isChecked());
  const app::FileRequest& request = run.dialogs.FileRequests.at(0);
  EXPECT_EQ(QStringList({request.Title, request.ProposedName, request.Filters}),
            QStringList({"Preservation of a linkage mechanism movie", "NewData(2)",
                         "MPEG1 movie (320x240)|*.mpg|MPEG1 movie (640x480)|*.mpg|AVI movie (320x240)|*.avi|"
                         "AVI movie (640x480)|*.avi|GIF animation (120x90)|*.gif|GIF animation (320x240)|*.gif"}));
  EXPECT_EQ(Probe((folder / "anim.gif").string(), "width,height,nb_read_frames", "-count_frames"), "120,90,24");
  Answer("back.gif", 4);
  run.Button("btnBack").setChecked(true);
  QTimer::singleShot(0, [&] { Control<QPushButton>(run.program.Area(), "btnOK").click(); });
  emit run.Main().btnMakeMovieClick();
  EXPECT_FALSE(run.Button("btnBack").isChecked());

  Open("locks-past-ninety.mvd", kLockingModels);
  const ModelState before = session.Model();
  Answer("stop.mpg", 0);
  EXPECT_FALSE(ClickAndAccept(run, "btnMakeMovie")) << "no series box";
  EXPECT_EQ(Probe((folder / "stop.mpg").string(), "nb_read_frames", "-count_frames"), "50");
  EXPECT_EQ(run.dialogs.Shown,
            (std::vector<ShownMessage>{kRodRefusal, {MessageKind::Information, "Creation of a movie is stopped."}}));
  ExpectPutBack(before, watch, 3);

  RunningProgram japanese(Language::Japanese);
  Session& pens = japanese.program.Document();
  ASSERT_EQ(pens.Open(kExamples + "four-pens.mvd"), std::nullopt);
  pens.DriveTo(40);
  ASSERT_FALSE(pens.Loci().Trails[0].X.empty());
  ClickAndAccept(japanese, "btnMakeMovie");
  EXPECT_TRUE(pens.Loci().Trails[0].X.empty()) << "the area dialog erased the loci";
  EXPECT_EQ(QStringList({japanese.dialogs.FileRequests.at(0).Title, japanese.dialogs.FileRequests.at(0).Filters}),
            QStringList({"リンク機構ムービーの保存",
                         "MPEG1ムービー (320x240)|*.mpg|MPEG1ムービー(640x480)|*.mpg|AVIムービー (320x240)|*.avi|"
                         "AVIムービー (640x480)|*.avi|GIFアニメーション (120x90)|*.gif|GIFアニメーション (320x240)|*.gif"}));
  EXPECT_TRUE(japanese.Main().isEnabled()) << "after the dialog was cancelled";
}

}  // namespace
}  // namespace morvane::testing
