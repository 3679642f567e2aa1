#pragma once

// Helpers of the export tests: pictures converted, progress recorded, printed
// pages read with poppler's pdfinfo and pdftoppm.

#include <QImage>
#include <QPrinter>
#include <QSizeF>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "export/capture_frame.h"
#include "export/export_progress.h"
#include "export/images/resample.h"
#include "export/print_layout.h"
#include "session/rgb_frame.h"
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

struct PdfPage {
  int Pages = 0;
  QSizeF Points;
};

inline PdfPage ReadPdfPage(const std::string& path) {
  const std::string info = CommandOutput("pdfinfo '" + path + "'");
  PdfPage page;
  double width = 0, height = 0;
  const size_t pages = info.find("Pages:"), size = info.find("Page size:");
  if (pages != std::string::npos && size != std::string::npos &&
      std::sscanf(info.c_str() + size, "Page size: %lf x %lf", &width, &height) == 2) {
    page.Pages = std::atoi(info.c_str() + pages + 6);
    page.Points = QSizeF(width, height);
  }
  return page;
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
