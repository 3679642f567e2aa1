#include "app/palette_images.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "model/catalogue.h"
#include "model/part_kind.h"
#include "solver/pen_locus.h"
#include "view/render_scene.h"

namespace morvane::app {

namespace {

// Far enough from every edge for the largest part in any direction.
constexpr double kOriginX = 400;
constexpr double kOriginY = 480;
constexpr int kMargin = 2;

// The rectangle of pixels in which the rendered frame differs from the empty
// canvas. Start-up draws two dozen of these, so whole equal rows are skipped
// with one comparison and a differing row is searched from both ends.
QRect DrawnArea(const QImage& frame, const QImage& background) {
  int left = frame.width();
  int top = frame.height();
  int right = -1;
  int bottom = -1;
  const size_t rowBytes = static_cast<size_t>(frame.width()) * sizeof(QRgb);
  for (int y = 0; y < frame.height(); ++y) {
    const auto* drawn = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
    const auto* empty = reinterpret_cast<const QRgb*>(background.constScanLine(y));
    if (std::memcmp(drawn, empty, rowBytes) == 0) {
      continue;
    }
    int first = 0;
    while (drawn[first] == empty[first]) {
      ++first;
    }
    int last = frame.width() - 1;
    while (drawn[last] == empty[last]) {
      --last;
    }
    left = std::min(left, first);
    right = std::max(right, last);
    top = std::min(top, y);
    bottom = y;
  }
  return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage CutOut(const QImage& frame, const QImage& background, const QRect& area) {
  QImage picture(area.size(), QImage::Format_ARGB32);
  for (int y = 0; y < area.height(); ++y) {
    for (int x = 0; x < area.width(); ++x) {
      const QPoint canvasPoint = area.topLeft() + QPoint(x, y);
      const QRgb drawn = frame.pixel(canvasPoint);
      picture.setPixel(x, y, drawn == background.pixel(canvasPoint) ? qRgba(0, 0, 0, 0) : drawn);
    }
  }
  return picture;
}

}  // namespace

QImage LonePartImage(view::CanvasPictures& pictures, int32_t kind) {
  auto model = std::make_unique<ModelState>();
  CreatePart(*model, kind, kOriginX, kOriginY);
  if (!IsPin(kind) && !IsPen(kind)) {
    FinishPartDrop(*model, 0);
  }
  view::PrepareCanvas(pictures);
  view::RenderAll(pictures, *model, PenLoci{});
  const QRect drawn = DrawnArea(pictures.imgTemp, pictures.imgClearDot);
  const QRect area = drawn.adjusted(-kMargin, -kMargin, kMargin, kMargin) & pictures.imgTemp.rect();
  QImage picture = CutOut(pictures.imgTemp, pictures.imgClearDot, area);
  // The canvas pictures are left empty, as the first redraw expects them.
  view::PrepareCanvas(pictures);
  return picture;
}

double CommonScale(std::span<const QImage> images, QSize box) {
  double scale = 1.0;
  for (const QImage& image : images) {
    if (!image.isNull()) {
      scale = std::min({scale, static_cast<double>(box.width()) / image.width(),
                        static_cast<double>(box.height()) / image.height()});
    }
  }
  return scale;
}

}  // namespace morvane::app
