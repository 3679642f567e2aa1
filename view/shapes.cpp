#include "view/shapes.h"

#include <QBrush>
#include <QPen>
#include <QRect>

namespace morvane::view {

namespace {

void ApplyLook(QPainter& painter, const Look& look) {
  // A square cap draws both end pixels of a 1-pixel line; Qt's flat cap drops
  // an end chosen by the line's direction, not the given last point.
  QPen pen(QColor::fromRgb(look.Outline), look.Width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
  painter.setPen(pen);
  painter.setBrush(look.Fill ? QBrush(QColor::fromRgb(*look.Fill)) : QBrush(Qt::NoBrush));
}

// An outlined shape covers one pixel more than its QRect, so the exclusive
// right and bottom edges become a width and height one less than the box.
QRect OutlineRect(const Box& box) {
  return QRect(box.Left, box.Top, box.Right - box.Left - 1, box.Bottom - box.Top - 1);
}

bool IsEmpty(const Box& box) { return box.Right <= box.Left || box.Bottom <= box.Top; }

}  // namespace

void DrawEllipse(QPainter& painter, const Box& box, const Look& look) {
  if (IsEmpty(box)) {
    return;
  }
  ApplyLook(painter, look);
  painter.drawEllipse(OutlineRect(box));
}

void DrawRect(QPainter& painter, const Box& box, const Look& look) {
  if (IsEmpty(box)) {
    return;
  }
  ApplyLook(painter, look);
  painter.drawRect(OutlineRect(box));
}

void DrawPolygon(QPainter& painter, std::span<const QPoint> corners, const Look& look) {
  ApplyLook(painter, look);
  painter.drawPolygon(corners.data(), static_cast<int>(corners.size()));
}

void DrawPolyline(QPainter& painter, std::span<const QPoint> points, QRgb colour) {
  if (points.size() < 2) {
    return;
  }
  ApplyLook(painter, {colour, std::nullopt, 1});
  painter.drawPolyline(points.data(), static_cast<int>(points.size()));
}

}  // namespace morvane::view
