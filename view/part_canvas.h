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

// The pictures a pass draws into: the scene, the part-index picture, or both;
// a missing one is skipped.
struct FramePainters {
  QPainter* Scene = nullptr;
  QPainter* Index = nullptr;
};

// Holes are 11 pixels wide, those of the L-shaped plates one pixel narrower.
enum class HoleWidth { Full, Narrow };

// Draws one part. A part at rest is filled with its colours and its body is
// also painted into the part-index picture; a Selected (dragged) part is drawn
// in outline only and stays out of the index picture, so that the pointer
// finds what lies beneath it.
class PartCanvas {
 public:
  PartCanvas(FramePainters& painters, const PartRecord& part, int partIndex);

  const PartRecord& Part() const { return part_; }
  // Marks and other scene-only drawing ask first whether there is a scene.
  bool HasScene() const { return painters_.Scene != nullptr; }
  QPainter& Scene() { return *painters_.Scene; }

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
  // included), hollow while the part is Selected.
  void Holes(const HoleList& holes, HoleWidth width = HoleWidth::Full);

 private:
  std::optional<QRgb> BodyFill(QRgb fill) const;
  bool PaintsIndex() const;

  FramePainters& painters_;
  const PartRecord& part_;
  int partIndex_;
};

// Model files may hold any finite number; a coordinate beyond this lies far
// off the canvas and is drawn there, so that rounding never leaves the range
// of an int.
constexpr double kFarOff = 1e6;

// Rounds a canvas coordinate, halves to even, held within kFarOff.
int ToPixel(double v);
// Rounds a canvas point, halves to even.
QPoint Rounded(double x, double y);
// The box (x - r, y - r, x + r, y + r) round the part's origin, each bound
// rounded on its own.
Box CircleBox(const PartRecord& part, double r);

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
