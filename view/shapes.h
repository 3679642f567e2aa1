#pragma once

// Drawing primitives with the canvas rules of the program: anti-aliasing off,
// boxes with exclusive right and bottom edges, lines that include both ends,
// and pen and brush set before every shape so that no shape depends on the one
// drawn before it.

#include <QPainter>
#include <QPoint>
#include <QRgb>
#include <optional>
#include <span>

namespace morvane::view {

struct Box {
  int Left = 0;
  int Top = 0;
  int Right = 0;  // exclusive
  int Bottom = 0;  // exclusive
};

// The box (c - before, c + after) on both axes.
constexpr Box BoxAround(QPoint c, int before, int after) {
  return {c.x() - before, c.y() - before, c.x() + after, c.y() + after};
}

// Outline colour and width; no fill means a hollow shape.
struct Look {
  QRgb Outline = 0;
  std::optional<QRgb> Fill;
  int Width = 1;
};

// Whether the painter draws pixels (the canvas, pictures) rather than shapes
// (an SVG generator).
bool IsPixelPicture(QPainter& painter);

void DrawEllipse(QPainter& painter, const Box& box, const Look& look);
void DrawRect(QPainter& painter, const Box& box, const Look& look);
// Closed polygon through the corners.
void DrawPolygon(QPainter& painter, std::span<const QPoint> corners, const Look& look);
// Straight 1-pixel lines from point to point, end points included.
void DrawPolyline(QPainter& painter, std::span<const QPoint> points, QRgb colour);

}  // namespace morvane::view
