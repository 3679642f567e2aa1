#include "view/thumbnail.h"

#include <QPainter>
#include <QRect>
#include <algorithm>

#include "view/canvas_pictures.h"
#include "view/draw_colours.h"
#include "view/render_scene.h"

namespace morvane::view {

namespace {

// Room round the mechanism, so that it does not touch the picture's edge.
constexpr int kMargin = 20;

QRect DrawnBounds(const QImage& canvas) {
  QRect bounds;
  for (int y = 0; y < canvas.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
    const QRgb* end = row + canvas.width();
    const QRgb* first = std::find_if(row, end, [](QRgb pixel) { return pixel != kWhite; });
    if (first == end) {
      continue;
    }
    const QRgb* last = std::find_if(std::make_reverse_iterator(end), std::make_reverse_iterator(first),
                                    [](QRgb pixel) { return pixel != kWhite; })
                           .base();
    bounds |= QRect(static_cast<int>(first - row), y, static_cast<int>(last - first), 1);
  }
  return bounds;
}

// The bounds with a margin, grown on the shorter side to the shape of
// `size` about their middle.
QRect Framed(const QRect& bounds, QSize size) {
  const QRect margined = bounds.adjusted(-kMargin, -kMargin, kMargin, kMargin);
  const QSize shape = size.scaled(margined.size(), Qt::KeepAspectRatioByExpanding);
  return QRect(margined.center() - QPoint(shape.width() / 2, shape.height() / 2), shape);
}

}  // namespace

QImage Thumbnail(const ModelState& model, const PenLoci& loci, QSize size) {
  QImage canvas(kCanvasWidth, kCanvasHeight, QImage::Format_RGB32);
  canvas.fill(kWhite);
  {
    QPainter painter(&canvas);
    DrawScene(painter, model, loci);
  }
  const QRect drawn = DrawnBounds(canvas);
  const QRect shown = drawn.isEmpty() ? canvas.rect() : Framed(drawn, size);
  // What lies beyond the canvas is white, as on the canvas.
  QImage framed(shown.size(), QImage::Format_RGB32);
  framed.fill(kWhite);
  QPainter(&framed).drawImage(-shown.topLeft(), canvas);
  return framed.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace morvane::view
