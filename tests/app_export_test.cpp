// btnImageSave and btnPrint in the real windows, offscreen, with the area
// dialog answered by its buttons and the other dialogs by a script.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QEvent>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include "app/form_main.h"
#include "app/program.h"
#include "app/scripted_dialogs.h"
#include "export/image_export.h"
#include "export/tform_area.h"
#include "export/tform_avi.h"
#include "tests/app_support.h"
#include "tests/export_test_support.h"
#include "tests/image_test_support.h"

namespace morvane::app {
namespace {

using testing::Control;

// Whether the main window took input each time the progress window appeared.
struct MainEnabledAtShow final : QObject {
  explicit MainEnabledAtShow(QWidget& main) : Main(main) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      Seen.push_back(Main.isEnabled());
    }
    return false;
  }
  QWidget& Main;
  std::vector<bool> Seen;
};

class ExportCommandsTest : public ::testing::Test {
 protected:
  // Clicks the button and answers the area dialog with OK, the series box as asked.
  void Click(const char* button, bool series = false) { ClickOn(program, button, series); }
  static void ClickOn(Program& on, const char* button, bool series = false) {
    QTimer::singleShot(0, [&on, series] {
      Control<QCheckBox>(on.Area(), "chkRenzoku").setChecked(series);
      Control<QPushButton>(on.Area(), "btnOK").click();
    });
    Control<QAbstractButton>(on.Main(), button).click();
  }
  void Answer(const std::string& name, int filterIndex) {
    dialogs.FileAnswers.push_back(FileChoice{QString::fromStdString((folder / name).string()), filterIndex});
  }
  bool Exists(const std::string& name) const { return std::filesystem::exists(folder / name); }
  QSize SizeOf(const std::string& name) const { return QImage(QString::fromStdString((folder / name).string())).size(); }

  testing::TempFolder folder;
  ScriptedDialogs dialogs;
  Program program{Language::English, dialogs, ""};
  Session& session = program.Document();
};

TEST_F(ExportCommandsTest, ProposedNamesExtensionsAndTheCaptionOfTheProposal) {
  session.MutableModel() = *testing::LoadModel(testing::kExamples + "crank-rocker.mvd");
  session.StartFolder(folder.Path.string());
  testing::WriteBytes(folder / "NewData.jpg", "");
  testing::WriteBytes(folder / "NewData(1).gif", "");
  Answer("pic.JPG", 0);
  Answer("pic", 0);
  Answer("pic.bmp", 0);
  Answer("shot", 1);
  Answer("tiny.gif", 3);
  for (int i = 0; i < 5; ++i) {
    Click("btnImageSave");
  }
  ASSERT_EQ(dialogs.FileRequests.size(), 5u);
  const FileRequest& first = dialogs.FileRequests[0];
  EXPECT_EQ(first.ProposedName, "NewData(2)");
  EXPECT_EQ(first.Folder.toStdString(), folder.Path.string() + "/");
  EXPECT_EQ(first.Title, "Preservation of a linkage mechanism image");
  EXPECT_EQ(first.DefaultExtension, "jpg");
  EXPECT_EQ(first.Filters,
            "JPEG file (*.jpg)|*.jpg|BMP file (*.bmp)|*.bmp|GIF file (*.gif)|*.gif|GIF file(120x90) (*.gif)|*.gif");
  EXPECT_EQ(dialogs.FileRequests[1].ProposedName, "pic");
  EXPECT_EQ(dialogs.FileRequests[3].ProposedName, "pic.bmp");
  EXPECT_EQ(SizeOf("pic.JPG"), QSize(1280, 960));
  EXPECT_TRUE(Exists("pic.jpg") && Exists("pic.bmp.jpg") && !Exists("pic.bmp"));
  EXPECT_EQ(SizeOf("tiny.gif"), QSize(120, 90));
  EXPECT_EQ(session.Names().LastModelName, "tiny.gif");

  // The caption names the proposal, not the name typed.
  view::CanvasPictures pictures;
  const QImage shot = QImage(QString::fromStdString((folder / "shot.bmp").string()));
  EXPECT_EQ(shot.convertToFormat(QImage::Format_RGB888),
            exporting::SinglePicture({session, pictures, {}, "pic.bmp"}, false));
  EXPECT_NE(shot.convertToFormat(QImage::Format_RGB888),
            exporting::SinglePicture({session, pictures, {}, "shot"}, false));
  EXPECT_TRUE(dialogs.Shown.empty());
}

TEST_F(ExportCommandsTest, ARefusedSeriesSaysWhyWritesNothingAndPutsEverythingBack) {
  ASSERT_EQ(session.Open(testing::kExamples + "locks-past-ninety.mvd"), std::nullopt);
  const ModelState before = session.Model();
  MainEnabledAtShow watch(program.Main());
  program.Avi().installEventFilter(&watch);
  Answer("sheet.jpg", 0);
  Click("btnImageSave", true);
  EXPECT_EQ(dialogs.FileRequests.at(0).ProposedName, "locks-past-ninety");
  EXPECT_EQ(dialogs.FileRequests.at(0).Filters, "JPEG file (*.jpg)|*.jpg|BMP file (*.bmp)|*.bmp|GIF file (*.gif)|*.gif");
  EXPECT_EQ(dialogs.Shown,
            (std::vector<ShownMessage>{
                {MessageKind::Information, "Since the length of a rod does not suit, it cannot move."},
                {MessageKind::Information, "Creation of a continuation image is stopped."}}));
  EXPECT_EQ(folder.EntryCount(), 0u);
  EXPECT_EQ(session.Model().PartTable, before.PartTable);
  EXPECT_EQ(Control<QSlider>(program.Main(), "TrackBar1").value(), before.TrackPosition);
  EXPECT_EQ(watch.Seen, std::vector<bool>{false});
  EXPECT_TRUE(program.Main().isEnabled());
  EXPECT_FALSE(program.Avi().isVisible());
}

TEST_F(ExportCommandsTest, PrintsASeriesIntoTheChosenPdfFile) {
  session.MutableModel() = *testing::LoadModel(testing::kExamples + "crank-rocker.mvd");
  dialogs.PrintFile = QString::fromStdString((folder / "print.pdf").string());
  dialogs.PrintAnswers = {false, true};
  Click("btnPrint", true);
  EXPECT_EQ(folder.EntryCount(), 0u) << "the print dialog was cancelled";
  Click("btnPrint", true);
  const testing::PdfPage page = testing::ReadPdfPage((folder / "print.pdf").string());
  EXPECT_EQ(page.Pages, 1);
  EXPECT_LT(page.Points.width(), page.Points.height());
  EXPECT_TRUE(program.Main().isEnabled());
  EXPECT_TRUE(dialogs.Shown.empty());
}

// The movie command: rotation released, no series box, the save dialog in
// both languages, the main window disabled while recording, and the messages
// of a stopped movie, which keeps its frames.
TEST_F(ExportCommandsTest, MoviesAskForTheirFileAndRecordWithTheMainWindowDisabled) {
  session.MutableModel() = *testing::LoadModel(testing::kExamples + "crank-rocker.mvd");
  session.StartFolder(folder.Path.string());
  testing::WriteBytes(folder / "NewData.mpg", "");
  testing::WriteBytes(folder / "NewData(1).avi", "");
  MainEnabledAtShow watch(program.Main());
  program.Avi().installEventFilter(&watch);
  Answer("anim", 4);
  // While the mechanism turns by itself the button cannot be clicked, only the command asked for.
  Control<QAbstractButton>(program.Main(), "btnPlay").setChecked(true);
  bool seriesOffered = true;
  QTimer::singleShot(0, [&] {
    seriesOffered = Control<QCheckBox>(program.Area(), "chkRenzoku").isVisible();
    Control<QPushButton>(program.Area(), "btnOK").click();
  });
  emit program.Main().btnMakeMovieClick();
  EXPECT_FALSE(seriesOffered);
  EXPECT_FALSE(Control<QAbstractButton>(program.Main(), "btnPlay").isChecked());
  const FileRequest& request = dialogs.FileRequests.at(0);
  EXPECT_EQ(request.Title, "Preservation of a linkage mechanism movie");
  EXPECT_EQ(request.Filters, "MPEG1 movie (320x240)|*.mpg|MPEG1 movie (640x480)|*.mpg|AVI movie (320x240)|*.avi|"
                             "AVI movie (640x480)|*.avi|GIF animation (120x90)|*.gif|GIF animation (320x240)|*.gif");
  EXPECT_EQ(request.DefaultExtension, "avi");
  EXPECT_EQ(request.ProposedName, "NewData(2)");
  EXPECT_EQ(testing::Probe((folder / "anim.gif").string(), "width,height,nb_read_frames", "-count_frames"),
            "120,90,24");

  ASSERT_EQ(session.Open(testing::kExamples + "locks-past-ninety.mvd"), std::nullopt);
  const ModelState before = session.Model();
  Answer("stop.mpg", 0);
  Click("btnMakeMovie");
  EXPECT_EQ(testing::Probe((folder / "stop.mpg").string(), "nb_read_frames", "-count_frames"), "50");
  EXPECT_EQ(dialogs.Shown, (std::vector<ShownMessage>{
                               {MessageKind::Information, "Since the length of a rod does not suit, it cannot move."},
                               {MessageKind::Information, "Creation of a movie is stopped."}}));
  EXPECT_EQ(session.Model().PartTable, before.PartTable);
  EXPECT_EQ(Control<QSlider>(program.Main(), "TrackBar1").value(), before.TrackPosition);
  EXPECT_EQ(watch.Seen, (std::vector<bool>{false, false}));
  EXPECT_TRUE(program.Main().isEnabled());
  EXPECT_FALSE(program.Avi().isVisible());

  ScriptedDialogs japaneseDialogs;
  Program japanese{Language::Japanese, japaneseDialogs, ""};
  ClickOn(japanese, "btnMakeMovie");
  EXPECT_EQ(japaneseDialogs.FileRequests.at(0).Title, "リンク機構ムービーの保存");
  EXPECT_EQ(japaneseDialogs.FileRequests.at(0).Filters,
            "MPEG1ムービー (320x240)|*.mpg|MPEG1ムービー(640x480)|*.mpg|AVIムービー (320x240)|*.avi|"
            "AVIムービー (640x480)|*.avi|GIFアニメーション (120x90)|*.gif|GIFアニメーション (320x240)|*.gif");
  EXPECT_TRUE(japanese.Main().isEnabled()) << "after the dialog was cancelled";
}

}  // namespace
}  // namespace morvane::app
