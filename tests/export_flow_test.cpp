// Single images, series sheets and prints made from an example model, read
// back with libjpeg, giflib, Qt's BMP reader and poppler's tools.

#include <gtest/gtest.h>

#include <QPrinter>

#include "export/image_export.h"
#include "export/movies/movie_export.h"
#include "export/print_export.h"
#include "export/print_layout.h"
#include "export/series_sheet.h"
#include "model/model_file.h"
#include "tests/export_test_support.h"
#include "tests/image_test_support.h"
#include "tests/linkage_building.h"
#include "view/render_scene.h"

namespace morvane::exporting {
namespace {

using namespace morvane::testing;

const std::string kStopped = "Creation of a continuation image is stopped.";
using ExportFlow = ExportTest;

TEST_F(ExportFlow, EveryFormatDecodesToThePictureCaptionedFrom240Pixels) {
  Open("crank-rocker.mvd");
  const QImage picture = SinglePicture(scene, false);
  const QImage bare = CaptureScene(scene);
  ASSERT_EQ(picture.size(), QSize(1280, 960));
  EXPECT_EQ(picture.copy(0, 60, 1280, 900), bare.copy(0, 60, 1280, 900)) << "only the caption is added";
  EXPECT_NE(picture.copy(0, 0, 1280, 60), bare.copy(0, 0, 1280, 60)) << "the caption";

  for (const auto& [format, name] :
       {std::pair{ImageFormat::Jpeg, "a.jpg"}, {ImageFormat::Bmp, "a.bmp"}, {ImageFormat::Gif, "a.gif"}}) {
    ASSERT_EQ(SaveSingleImage(scene, {format, false}, Path(name)).Status, ExportStatus::Done);
  }
  QImage converted;
  const RgbFrame frame = ToRgbFrame(picture, converted);
  bool unitQuantisers = false;
  EXPECT_LE(MeanAbsoluteError(DecodeJpeg(Path("a.jpg"), unitQuantisers).Frame(), frame), 2.0);
  EXPECT_EQ(QImage(QString::fromStdString(Path("a.bmp"))).convertToFormat(QImage::Format_RGB888), picture);
  EXPECT_EQ(OffPalettePixels(SlurpGif(Path("a.gif")).get(), 0, frame), 0);

  // 120 x 90: the area averaged down, and no caption.
  scene.Area = {320, 240, 640, 480};
  ASSERT_EQ(SaveSingleImage(scene, {ImageFormat::Gif, true}, Path("small.gif")).Status, ExportStatus::Done);
  const RgbImage small = ResampleBitmap(ToRgbFrame(CaptureScene(scene), converted), 120, 90);
  EXPECT_EQ(OffPalettePixels(SlurpGif(Path("small.gif")).get(), 0, small.Frame()), 0);
}

TEST_F(ExportFlow, TheSeriesSheetShowsEighteenPositionsAndTurnsBack) {
  Open("crank-rocker.mvd");
  TurnTo(5000, 50);
  const TurnBack before = session.RememberPosition();
  const std::string path = Path("sheet.bmp");
  ASSERT_EQ(SaveSeriesSheet(scene, ImageFormat::Bmp, path, progress).Status, ExportStatus::Done);
  const QImage sheet = QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB888);
  ASSERT_EQ(sheet.size(), QSize(1620, 700));
  ExpectPutBack(before);
  EXPECT_EQ(progress.Percents, (std::vector<int>{0, 6, 12, 18, 24, 29, 35, 41, 47, 53, 59, 65, 71, 76, 82, 88, 94, 100}));
  EXPECT_EQ(progress.Caption, "Creation of a continuation image");

  // Picture 12 stands 240 degrees on, past the end of the bar.
  Reply refusal;
  for (int i = 1; i <= 12; ++i) {
    ASSERT_TRUE(session.MoveForExport(5000 + 200 * i, 3, refusal));
  }
  const QImage twelfth = Resampled(CaptureScene(scene), 240, 180);
  const PixelBox cell = SheetCellAt(12).Picture;
  EXPECT_EQ(sheet.copy(cell.Left, cell.Top, 240, 180), twelfth);
  EXPECT_NE(sheet.copy(SheetCellAt(11).Picture.Left, SheetCellAt(11).Picture.Top, 240, 180), twelfth);
}

TEST_F(ExportFlow, ARefusedMoveStopsTheSeriesWritingNothing) {
  Open("locks-past-ninety.mvd", kLockingModels);
  const TurnBack before = session.RememberPosition();
  const std::string path = Path("sheet.gif");
  WriteBytes(path, "older");
  const ExportOutcome outcome = SaveSeriesSheet(scene, ImageFormat::Gif, path, progress);
  EXPECT_EQ(outcome.Status, ExportStatus::Stopped);
  EXPECT_EQ(outcome.Messages, (std::vector<std::string>{kRodRefusal, kStopped}));
  EXPECT_EQ(progress.Percents.back(), 29) << "the sixth picture, 100 degrees";
  EXPECT_EQ(ReadWholeFile(path), "older");
  ExpectPutBack(before);
}

// A four-bar half a pixel short of turning fully locks for a few degrees
// before 200: the steps of 5 degrees before each position meet the lock, which
// a jump of 10 degrees would pass over.
TEST_F(ExportFlow, TheStepsBeforeEachPositionMeetABriefLock) {
  ASSERT_EQ(WriteModelFile(Path("brief.mvd"), *FourBar({40, 240, 200, 400.5}, 10, 0)), std::nullopt);
  Open(Path("brief.mvd"), "");
  EXPECT_EQ(SaveSeriesSheet(scene, ImageFormat::Gif, Path("sheet.gif"), progress).Status, ExportStatus::Stopped);
  EXPECT_EQ(progress.Percents.size(), 11u) << "picture 10, 200 degrees, is not reached";
  RecordedProgress animation;
  EXPECT_EQ(SaveMovie(scene, {MovieFormat::Gif, 120, 90}, Path("turn.gif"), animation).Status, ExportStatus::Stopped);
  EXPECT_EQ(animation.Percents.size(), 14u) << "frame 13, 195 degrees, is not reached";
}

TEST_F(ExportFlow, PrintsEighteenFramedPicturesOnOnePortraitPage) {
  Open("crank-rocker.mvd");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFileName(QString::fromStdString(Path("series.pdf")));
  ASSERT_EQ(PrintSeries(scene, printer, progress).Status, ExportStatus::Done);
  EXPECT_EQ(progress.Notes.back(), "Under continuation image printing...  [  Under a final disposal ]");
  EXPECT_EQ(FramedPictures(Path("series.pdf"), printer), 18);
  const PdfPage series = ReadPdfPage(Path("series.pdf"));
  EXPECT_EQ(series.Pages, 1);
  EXPECT_LT(series.Points.width(), series.Points.height()) << "portrait";
  // Each place shows the canvas at its own position alone, grid dots
  // included, as far as the printer's lossy copy tells.
  const std::vector<QImage> printed = PdfPictures(Path("series.pdf"));
  ASSERT_EQ(printed.size(), 18u);
  Reply refusal;
  QImage converted, canvas;
  for (int i = 0; i < 18; ++i) {
    ASSERT_TRUE(session.MoveForExport(200 * i, i > 0 ? 3 : 0, refusal));
    view::PrepareCanvas(pictures);
    view::RenderAll(pictures, session.Model(), session.Loci());
    const QImage drawn = CutArea(pictures.imgTemp, scene.Area);
    EXPECT_LT(MeanAbsoluteError(ToRgbFrame(printed[i], converted), ToRgbFrame(drawn, canvas)), 0.85) << "picture " << i;
  }

  Open("locks-past-ninety.mvd", kLockingModels);
  const ExportOutcome stopped = PrintSeries(scene, printer, progress);
  EXPECT_EQ(stopped.Status, ExportStatus::Stopped);
  EXPECT_EQ(stopped.Messages,
            (std::vector<std::string>{kRodRefusal, "Printing of a continuation image is stopped."}));
  EXPECT_EQ(FramedPictures(Path("series.pdf"), printer), 5) << "the page is still printed";

  printer.setOutputFileName(QString::fromStdString(Path("one.pdf")));
  ASSERT_EQ(PrintSingleImage(scene, printer).Status, ExportStatus::Done);
  const std::vector<QImage> one = PdfPictures(Path("one.pdf"));
  ASSERT_EQ(one.size(), 1u);
  // Within the printer's lossy copy of the picture, the caption's band.
  const QImage printedBand = one[0].copy(0, 0, 1280, 60), band = SinglePicture(scene, false).copy(0, 0, 1280, 60);
  EXPECT_LT(MeanAbsoluteError(ToRgbFrame(printedBand, converted), ToRgbFrame(band, canvas)), 1.0) << "captioned";
}

}  // namespace
}  // namespace morvane::exporting
