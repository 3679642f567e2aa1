// SVG pictures from morvane-cli, drawn by librsvg (rsvg-convert) and laid on
// the PNG rendering of the same model: every example, a turned model with its
// four loci, and a cut area.
//
// The tolerance. librsvg smooths the edges that the canvas draws hard, so a
// pixel of one picture matches when each of its channels lies within the
// span of the pixels around the same place in the other, widened by a slack:
// a smoothed edge is a mix of the colours on either side of it.
// - Vector onto canvas: one pixel around, slack 16. Nothing may appear that
//   the canvas lacks, and a shape one pixel off, a missing body or hole
//   shows a colour the canvas has nowhere near.
// - Canvas onto vector: two pixels around, slack 120. Smoothing spreads a
//   one-pixel line over two or three paler pixels, down to about half its
//   colour on a curve, and a pixel of an outline that the canvas leaves
//   showing between two strokes is covered there. A missing line or outline
//   still fails: it leaves white or a body colour where the canvas has black
//   or a pen's colour, apart by 128 or more in a channel.
// - A few stray pixels either way, at most 16: where a pen's mark or a
//   crossing part covers a tilted outline on the canvas, librsvg's smoothing
//   of that outline still shows beside the cover, and an outline a little off
//   upright is smoothed over two pale columns where the canvas draws one
//   black one, each for a few rows (up to 14 pixels in the examples with
//   tilted rods). A missing outline, hole or locus leaves far more, and the
//   crank-rocker drawn with its crank turned by one degree, under a pixel at
//   the crank pin, strays by 27 onto the canvas.

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <filesystem>
#include <regex>
#include <string>

#include "tests/test_support.h"

namespace morvane::testing {
namespace {

constexpr int kIntoCanvasReach = 1;
constexpr int kIntoCanvasSlack = 16;
constexpr int kFromCanvasReach = 2;
constexpr int kFromCanvasSlack = 120;
constexpr int kStrayPixels = 16;

QImage ReadPicture(const std::string& path) {
  return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
}

// The canvas's grid dots are left out of vector pictures. A grey pixel with
// grey beside it is a hole.
QImage WithoutGridDots(QImage canvas) {
  const QImage original = canvas;
  const QRgb grey = qRgb(128, 128, 128);
  const auto greyAt = [&](int x, int y) { return original.valid(x, y) && original.pixel(x, y) == grey; };
  for (int y = 0; y < canvas.height(); y += 10) {
    for (int x = 0; x < canvas.width(); x += 10) {
      if (greyAt(x, y) && !greyAt(x - 1, y - 1) && !greyAt(x, y - 1) && !greyAt(x + 1, y - 1) && !greyAt(x - 1, y) &&
          !greyAt(x + 1, y) && !greyAt(x - 1, y + 1) && !greyAt(x, y + 1) && !greyAt(x + 1, y + 1)) {
        canvas.setPixel(x, y, qRgb(255, 255, 255));
      }
    }
  }
  return canvas;
}

// Pixels of `picture` whose channels leave the span of the 3 x 3 pixels of
// `reference` round the same place, widened by `slack`.
int PixelsOutsideSpan(const QImage& picture, const QImage& reference, int slack, int reach) {
  int outside = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb pixel = picture.pixel(x, y);
      int low[3] = {255, 255, 255}, high[3] = {0, 0, 0};
      for (int ny = std::max(0, y - reach); ny <= std::min(reference.height() - 1, y + reach); ++ny) {
        for (int nx = std::max(0, x - reach); nx <= std::min(reference.width() - 1, x + reach); ++nx) {
          const QRgb around = reference.pixel(nx, ny);
          const int channels[3] = {qRed(around), qGreen(around), qBlue(around)};
          for (int c = 0; c < 3; ++c) {
            low[c] = std::min(low[c], channels[c]);
            high[c] = std::max(high[c], channels[c]);
          }
        }
      }
      const int channels[3] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
      bool inside = true;
      for (int c = 0; c < 3; ++c) {
        inside = inside && channels[c] >= low[c] - slack && channels[c] <= high[c] + slack;
      }
      outside += inside ? 0 : 1;
    }
  }
  return outside;
}

TEST(VectorPictures, LibrsvgDrawsThemAsTheCanvasIsDrawn) {
  const TempFolder folder;
  struct Case {
    std::string Model;
    std::string Options;
  };
  std::vector<Case> cases;
  for (const auto& entry : std::filesystem::directory_iterator(kExamples)) {
    if (entry.path().extension() == ".mvd") {
      cases.push_back({entry.path().string(), ""});
    }
  }
  ASSERT_GE(cases.size(), 7u);
  cases.push_back({kExamples + "four-pens.mvd", "--position 3600"});
  cases.push_back({kExamples + "slider-crank.mvd", "--area 250,300,640,200"});
  for (const auto& [model, options] : cases) {
    const std::string svg = (folder / "out.svg").string(), png = (folder / "out.png").string();
    const std::string drawn = (folder / "drawn.png").string(), warnings = (folder / "warnings").string();
    ASSERT_EQ(RunCli("render " + model + " " + options + " -o " + svg).ExitCode, 0) << model;
    ASSERT_EQ(RunCli("render " + model + " " + options + " -o " + png).ExitCode, 0) << model;
    ASSERT_EQ(std::system(("rsvg-convert " + svg + " -o " + drawn + " 2>" + warnings).c_str()), 0) << model;
    EXPECT_EQ(ReadWholeFile(warnings), "") << model;
    const QImage vector = ReadPicture(drawn), canvas = WithoutGridDots(ReadPicture(png));
    ASSERT_EQ(vector.size(), canvas.size()) << model;
    EXPECT_LE(PixelsOutsideSpan(vector, canvas, kIntoCanvasSlack, kIntoCanvasReach), kStrayPixels)
        << model << " " << options;
    EXPECT_LE(PixelsOutsideSpan(canvas, vector, kFromCanvasSlack, kFromCanvasReach), kStrayPixels)
        << model << " " << options;
    const std::string text = ReadWholeFile(svg);
    EXPECT_EQ(text.find("<image"), std::string::npos) << "no picture of pixels in " << model;
    // Each locus is one polyline; the rods' crosses are two-point lines.
    const std::regex locus("<polyline[^>]*points=\"(\\S+ ){3,}\"");
    EXPECT_EQ(std::distance(std::sregex_iterator(text.begin(), text.end(), locus), std::sregex_iterator()),
              options == "--position 3600" ? 4 : 0)
        << model;
  }
}

}  // namespace
}  // namespace morvane::testing
