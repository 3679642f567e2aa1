// Frames cut from the rendered scene, their hand-over to the writers,
// captions and the series sheet, checked pixel by pixel.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <cstdlib>
#include <memory>
#include <vector>

#include "export/captions.h"
#include "export/capture_frame.h"
#include "export/series_sheet.h"
#include "export/vector_picture.h"
#include "model/part_kind.h"
#include "tests/render_support.h"
#include "tests/test_support.h"
#include "view/render_scene.h"

namespace morvane::exporting {
namespace {

using testing::Rgb;

constexpr uint32_t kWhite = 0xFFFFFF, kBlack = 0x000000;

QImage Filled(int width, int height, QRgb colour) {
  QImage picture(width, height, QImage::Format_RGB888);
  picture.fill(colour);
  return picture;
}

// The smallest box holding every pixel that is not `background`.
QRect InkBox(const QImage& picture, uint32_t background = kWhite) {
  QRect box;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      box |= Rgb(picture, x, y) != background ? QRect(x, y, 1, 1) : QRect();
    }
  }
  return box;
}

TEST(CaptureFrame, TheAreaOfTheSceneOnWhite) {
  auto model = std::make_unique<ModelState>();
  testing::AddPart(*model, DiskPassive2, 240, 220);
  PenLoci loci;
  loci.Trails[1] = {{100, 500}, {420, 430}};
  // The ordinary redraw over a white empty canvas.
  view::CanvasPictures pictures;
  pictures.imgClearDot.fill(Qt::white);
  view::PrepareCanvas(pictures);
  view::RenderAll(pictures, *model, loci);
  const QImage scene = pictures.imgTemp;
  ASSERT_FALSE(InkBox(scene.copy(0, 0, 320, 240)).isEmpty());
  // Neither the grid dots nor anything left in the back buffer may show.
  view::CanvasPictures used;
  used.imgTemp.fill(0x123456);
  const QImage inside = CaptureFrame(used, *model, loci, {200, 200, 640, 480});
  EXPECT_EQ(inside.format(), QImage::Format_RGB888);
  EXPECT_EQ(inside.convertToFormat(QImage::Format_RGB32), scene.copy(200, 200, 640, 480));
  const QImage corner = CaptureFrame(used, *model, loci, {-4, -4, 324, 244});
  EXPECT_EQ(corner.copy(4, 4, 320, 240).convertToFormat(QImage::Format_RGB32), scene.copy(0, 0, 320, 240));
  EXPECT_TRUE(InkBox(corner.copy(0, 0, 324, 4)).isEmpty() && InkBox(corner.copy(0, 0, 4, 244)).isEmpty())
      << "white off the canvas";
}

// An area past the canvas's corner, as a moved rectangle of the area dialog
// gives: the vector picture, drawn by librsvg, is white off the canvas as the
// picture of pixels is, though the disk's shape goes on there.
TEST(VectorPicture, WhiteOffTheCanvasAsThePictureOfPixels) {
  auto model = std::make_unique<ModelState>();
  testing::AddPart(*model, DiskPassive2, 1240, 920);
  const testing::TempFolder folder;
  const std::string svg = (folder / "off.svg").string(), png = (folder / "off.png").string();
  const QRect area(1000, 700, 400, 300);
  ASSERT_TRUE(WriteVectorPicture({area, area.size(), ""}, *model, {}, svg));
  ASSERT_EQ(std::system(("rsvg-convert " + svg + " -o " + png).c_str()), 0);
  view::CanvasPictures pictures;
  const QRect pixels = InkBox(CaptureFrame(pictures, *model, {}, {1000, 700, 400, 300}));
  const QRect drawn = InkBox(QImage(QString::fromStdString(png)));
  EXPECT_EQ(pixels.bottomRight(), QPoint(279, 259));
  EXPECT_LE((drawn.bottomRight() - pixels.bottomRight()).manhattanLength(), 2) << drawn.right() << "," << drawn.bottom();
  EXPECT_LE((drawn.topLeft() - pixels.topLeft()).manhattanLength(), 2);
}

TEST(CaptureFrame, FramesReachTheWritersWithoutACopyWhenTheLayoutFits) {
  const QImage rgb = Filled(5, 3, qRgb(10, 20, 30));
  const QImage rgbx = rgb.convertToFormat(QImage::Format_RGBX8888);
  QImage converted;
  const RgbFrame shared = ToRgbFrame(rgb, converted), padded = ToRgbFrame(rgbx, converted);
  EXPECT_EQ(std::tuple(shared.Bytes, shared.Stride, padded.Bytes, padded.PixelBytes, converted.isNull()),
            std::tuple(rgb.constBits(), 16, rgbx.constBits(), 4, true)) << "rows are 4-byte aligned";
  const RgbFrame copied = ToRgbFrame(rgb.convertToFormat(QImage::Format_RGB32), converted);
  EXPECT_EQ(std::tuple(copied.Bytes, copied.PixelBytes), std::tuple(converted.constBits(), 3));
  const uint8_t* pixel = copied.Pixel(4, 2);
  EXPECT_EQ(QColor(pixel[0], pixel[1], pixel[2]), QColor(10, 20, 30));
}

TEST(Captions, SizedByThePictureAndOnlyFrom240Pixels) {
  EXPECT_EQ(QFontInfo(QFont(kCaptionFont)).family(), "IPAGothic") << "fonts-ipafont-gothic is missing";
  EXPECT_EQ(PictureCaptionPoints(480), 16);
  QImage small = Filled(320, 239, qRgb(255, 255, 255));
  CaptionPicture(small, "robot");
  EXPECT_TRUE(InkBox(small).isEmpty());

  QImage frame = Filled(320, 240, qRgb(0, 0, 255));
  CaptionPicture(frame, "robot");
  const QRect box = InkBox(frame, 0x0000FF);
  ASSERT_FALSE(box.isEmpty());
  EXPECT_GE(box.top(), 2);
  EXPECT_LE(box.bottom(), 2 + 15);
  EXPECT_GE(box.left(), 2);
  EXPECT_LE(box.left(), 2 + 11) << "8 points are 11 pixels";
  EXPECT_EQ(Rgb(frame, box.center().x(), box.bottom()), 0x0000FFu) << "the letters have no background";

  QImage canvas = Filled(1280, 960, qRgb(255, 255, 255));
  CaptionPicture(canvas, "新規");
  EXPECT_NEAR(double(InkBox(canvas).height()) / box.height(), 32.0 / 8, 1.0);
}

TEST(SeriesSheet, CellsFramesAndCaption) {
  std::vector<QImage> cells;
  for (int i = 0; i < 18; ++i) {
    cells.push_back(Filled(240, 180, qRgb(10 * i, 250 - 10 * i, 77)));
  }
  const QImage sheet = ComposeSeriesSheet(cells, "robot");
  ASSERT_EQ(sheet.size(), QSize(1620, 700));
  EXPECT_EQ(sheet.format(), QImage::Format_RGB888);
  // Cell 0 at (40, 80), cell 8 in the second row and third column, cell 17 last.
  for (const auto& [i, left, top] : {std::tuple{0, 40, 80}, {8, 560, 280}, {17, 1340, 480}}) {
    const uint32_t colour = (10u * i) << 16 | (250u - 10 * i) << 8 | 77u;
    const std::tuple<int, int, uint32_t> probes[] = {
        {left, top, colour},          {left + 239, top + 179, colour}, {left - 1, top - 1, kWhite},
        {left + 240, top + 180, kWhite}, {left - 2, top - 2, kBlack},   {left + 241, top + 90, kBlack},
        {left + 120, top + 181, kBlack}, {left - 3, top + 90, kWhite}};
    for (const auto& [x, y, expected] : probes) {
      EXPECT_EQ(Rgb(sheet, x, y), expected) << "cell " << i << " at " << x << ", " << y;
    }
  }
  const QRect caption = InkBox(sheet.copy(0, 0, 1620, 70));
  EXPECT_GE(caption.left(), 8);
  EXPECT_GE(caption.top(), 8);
  EXPECT_GT(caption.height(), 15) << "20 points";
}

}  // namespace
}  // namespace morvane::exporting
