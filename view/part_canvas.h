#pragma once

#include <QPainter>
#include <QPoint>
#include <QPointF>
#include <array>
#include <cstddef>
#include <optional>
#include <span>

#include "model/catalogue.h"
#include "model/part_record.h"
#include "view/shapes.h"

namespace morvane::view {

// The two pictures a frame is drawn into.
struct FramePainters {
  QPainter& Scene;
  QPainter& Index;
};

// Draws one part. A part at rest is filled with its colours and its body is
// also painted into the part-index picture; a Selected (dragged) part is drawn
// in outline only and stays out of the index picture, so that the pointer
// finds what lies beneath it.
class PartCanvas {
 public:
  PartCanvas(FramePainters& painters, const PartRecord& part, int partIndex);

  const PartRecord& Part() const { return part_; }
  QPainter& Scene() { return painters_.Scene; }

  // The point (dx, dy) of the part's own frame, turned by the part's angle and
  // rounded; the piston stroke is not added here.
  QPoint Turned(double dx, double dy) const;

  // Body shapes in the scene, black outline, filled unless the part is Selected.
  void BodyEllipse(const Box& box, QRgb fill);
  void BodyPolygon(std::span<const QPoint> corners, QRgb fill);
  // The same shapes in the part's index colour, left out while it is Selected.
  void IndexEllipse(const Box& box);
  void IndexPolygon(std::span<const QPoint> corners);

  // Grey holes with a black rim at the holes' canvas positions (stroke
  // included). `after` is the box's extent right of the centre: 6, or 5 for
  // the narrower holes of the L-shaped plates.
  void Holes(const HoleList& holes, int after = 6);

 private:
  std::optional<QRgb> BodyFill(QRgb fill) const;

  FramePainters& painters_;
  const PartRecord& part_;
  int partIndex_;
};

// Rounds a canvas point, halves to even.
QPoint Rounded(double x, double y);

// Turns own-frame corners of a part into rounded canvas points.
template <std::size_t N>
std::array<QPoint, N> TurnedCorners(const PartCanvas& canvas, const std::array<QPointF, N>& corners) {
  std::array<QPoint, N> points;
  for (std::size_t i = 0; i < N; ++i) {
    points[i] = canvas.Turned(corners[i].x(), corners[i].y());
  }
  return points;
}

}  // namespace morvane::view
