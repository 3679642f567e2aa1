#pragma once

// Helpers of the export tests: an example model ready to export, pictures
// converted, progress recorded, printed pages read with poppler's pdfinfo and
// pdftoppm.

#include <gtest/gtest.h>

#include <QImage>
#include <QPrinter>
#include <QSizeF>
#include <cstdio>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "codecs/images/resample.h"
#include "codecs/rgb_frame.h"
#include "export/capture_frame.h"
#include "export/export_progress.h"
#include "export/export_scene.h"
#include "export/print_layout.h"
#include "tests/image_test_support.h"

namespace morvane::testing {

inline QImage ToQImage(const RgbImage& image) {
  return QImage(image.Row(0), image.Width(), image.Height(), image.Width() * 3, QImage::Format_RGB888).copy();
}

inline QImage Resampled(const QImage& picture, int width, int height) {
  QImage converted;
  return ToQImage(ResampleBitmap(exporting::ToRgbFrame(picture, converted), width, height));
}

struct RecordedProgress final : exporting::ExportProgress {
  std::string Caption;
  bool Shown = false;
  std::vector<int> Percents;
  std::vector<std::string> Notes;

  void Start(const Message& caption, const Message&) override {
    Caption = caption.English;
    Shown = true;
  }
  void Step(const Message&, int percent) override { Percents.push_back(percent); }
  void Note(const Message& label) override { Notes.emplace_back(label.English); }
  void Finish() override { Shown = false; }
};

inline const std::string kRodRefusal = "Since the length of a rod does not suit, it cannot move.";

// An example model opened in a session, the scene its exports capture, and a
// folder for the files they write.
class ExportTest : public ::testing::Test {
 protected:
  void Open(const std::string& example, const std::string& folder = kExamples) {
    ASSERT_EQ(session.Open(folder + example), std::nullopt);
  }
  std::string Path(const std::string& name) const { return (folder / name).string(); }
  // Turns the power part to `track` the way the user would, `step` at a time.
  void TurnTo(int32_t track, int32_t step) {
    Reply refusal;
    for (int32_t t = step; t <= track; t += step) {
      ASSERT_TRUE(session.MoveForExport(t, 0, refusal)) << t;
    }
  }
  // What must hold on every way out of an export that turns the mechanism.
  void ExpectPutBack(const TurnBack& before) {
    const ModelState& m = session.Model();
    EXPECT_EQ(m.PartTable, before.Parts);
    EXPECT_EQ(std::tuple(m.TrackPosition, m.PowerPosition, m.AngleStep),
              std::tuple(before.TrackPosition, before.PowerPosition, before.AngleStep));
    EXPECT_TRUE(session.Loci().Empty());
    EXPECT_FALSE(progress.Shown);
  }

  TempFolder folder;
  Session session;
  view::CanvasPictures pictures;
  exporting::ExportScene scene{session, pictures, {}, "robot"};
  RecordedProgress progress;
};

struct PdfPage {
  int Pages = 0;
  QSizeF Points;
};

inline PdfPage ReadPdfPage(const std::string& path) {
  PdfPage page;
  double width = 0, height = 0;
  const std::string info = CommandOutput("pdfinfo '" + path + "' | grep '^Page'");
  std::sscanf(info.c_str(), "Pages: %d Page size: %lf x %lf", &page.Pages, &width, &height);
  page.Points = QSizeF(width, height);
  return page;
}

// The pictures a PDF file holds, in the order they were drawn, as poppler's
// pdfimages takes them out.
inline std::vector<QImage> PdfPictures(const std::string& pdf) {
  const std::string stem = pdf + "-picture";
  CommandOutput("pdfimages -png '" + pdf + "' '" + stem + "'");
  std::vector<QImage> pictures;
  for (char name[16]; std::snprintf(name, sizeof name, "-%03zu.png", pictures.size()),
                      std::filesystem::exists(stem + name);) {
    pictures.push_back(QImage(QString::fromStdString(stem + name)).convertToFormat(QImage::Format_RGB888));
    std::filesystem::remove(stem + name);
  }
  return pictures;
}

// How many of the 18 places of a printed series show their black frame, on
// the page rendered by pdftoppm at 40 dots per inch. The printer gives the
// page's paint area and resolution, as when it printed.
inline int FramedPictures(const std::string& pdf, const QPrinter& printer) {
  constexpr int kDpi = 40;
  const std::string png = pdf + ".png";
  CommandOutput("pdftoppm -png -singlefile -r 40 '" + pdf + "' '" + pdf + "'");
  const QImage page = QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_Grayscale8);
  std::remove(png.c_str());
  const QRect paint = printer.pageLayout().paintRectPixels(printer.resolution());
  const auto toPage = [&](int x, int offset) { return (offset + x) * kDpi / printer.resolution(); };
  const exporting::SeriesPrintLayout layout = exporting::PortraitSeriesLayout(printer.width(), printer.height());
  int framed = 0;
  for (int i = 0; i < exporting::kSeriesPictures; ++i) {
    const exporting::PixelBox frame = exporting::PrintCellAt(layout, i).Frame;
    const int x = toPage(frame.Left, paint.left()), y = toPage((frame.Top + frame.Bottom) / 2, paint.top());
    int darkest = 255;
    for (int dx = -1; dx <= 1; ++dx) {
      darkest = std::min(darkest, page.pixelColor(x + dx, y).value());
    }
    framed += darkest < 128;
  }
  return framed;
}

}  // namespace morvane::testing
