#include "view/shapes.h"

#include <QBrush>
#include <QPaintEngine>
#include <QPen>
#include <QRect>

namespace morvane::view {

namespace {

// A new pen or brush allocates, and a frame has thousands of shapes, so the
// painter's state is only replaced when it differs from the shape's look.
void ApplyLook(QPainter& painter, const Look& look) {
  const QPen& current = painter.pen();
  // A square cap draws both end pixels of a 1-pixel line; Qt's flat cap drops
  // an end chosen by the line's direction, not the given last point.
  if (current.style() != Qt::SolidLine || current.color().rgb() != (look.Outline | 0xFF000000u) ||
      current.width() != look.Width || current.capStyle() != Qt::SquareCap || current.joinStyle() != Qt::MiterJoin) {
    painter.setPen(QPen(QColor::fromRgb(look.Outline), look.Width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  }
  const QBrush& brush = painter.brush();
  if (!look.Fill) {
    if (brush.style() != Qt::NoBrush) {
      painter.setBrush(Qt::NoBrush);
    }
  } else if (brush.style() != Qt::SolidPattern || brush.color().rgb() != (*look.Fill | 0xFF000000u)) {
    painter.setBrush(QColor::fromRgb(*look.Fill));
  }
}

// An outlined shape covers one pixel more than its QRect, so the exclusive
// right and bottom edges become a width and height one less than the box.
QRect OutlineRect(const Box& box) {
  return QRect(box.Left, box.Top, box.Right - box.Left - 1, box.Bottom - box.Top - 1);
}

bool IsEmpty(const Box& box) { return box.Right <= box.Left || box.Bottom <= box.Top; }

// Qt's aliased raster centres a line of odd width on the middle of its
// pixels, and one of even width on their edge. A vector picture shifts every
// shape to the pixel middles, so there a shape with an even-width outline
// goes back by half a pixel to lie where the canvas draws it.
template <typename Draw>
void DrawWithLook(QPainter& painter, const Look& look, Draw draw) {
  ApplyLook(painter, look);
  if (look.Width % 2 != 0 || IsPixelPicture(painter)) {
    draw();
    return;
  }
  constexpr double kHalfPixel = 0.5;
  painter.translate(-kHalfPixel, -kHalfPixel);
  draw();
  painter.translate(kHalfPixel, kHalfPixel);
}

}  // namespace

bool IsPixelPicture(QPainter& painter) { return painter.paintEngine()->type() == QPaintEngine::Raster; }

void DrawEllipse(QPainter& painter, const Box& box, const Look& look) {
  if (IsEmpty(box)) {
    return;
  }
  DrawWithLook(painter, look, [&] { painter.drawEllipse(OutlineRect(box)); });
}

void DrawRect(QPainter& painter, const Box& box, const Look& look) {
  if (IsEmpty(box)) {
    return;
  }
  DrawWithLook(painter, look, [&] { painter.drawRect(OutlineRect(box)); });
}

void DrawPolygon(QPainter& painter, std::span<const QPoint> corners, const Look& look) {
  DrawWithLook(painter, look, [&] { painter.drawPolygon(corners.data(), static_cast<int>(corners.size())); });
}

void DrawPolyline(QPainter& painter, std::span<const QPoint> points, QRgb colour) {
  if (points.size() < 2) {
    return;
  }
  DrawWithLook(painter, {colour, std::nullopt, 1},
               [&] { painter.drawPolyline(points.data(), static_cast<int>(points.size())); });
}

}  // namespace morvane::view
