#include "view/part_canvas.h"

#include "solver/geometry.h"
#include "view/draw_colours.h"

namespace morvane::view {

QPoint Rounded(double x, double y) { return {RoundHalfEven(x), RoundHalfEven(y)}; }

PartCanvas::PartCanvas(FramePainters& painters, const PartRecord& part, int partIndex)
    : painters_(painters), part_(part), partIndex_(partIndex) {}

QPoint PartCanvas::Turned(double dx, double dy) const {
  const double px = part_.X + dx;
  const double py = part_.Y + dy;
  return Rounded(RotateXDeg(part_.X, part_.Y, px, py, part_.Angle), RotateYDeg(part_.X, part_.Y, px, py, part_.Angle));
}

std::optional<QRgb> PartCanvas::BodyFill(QRgb fill) const {
  return part_.Selected ? std::nullopt : std::optional<QRgb>(fill);
}

void PartCanvas::BodyEllipse(const Box& box, QRgb fill) { DrawEllipse(Scene(), box, {kBlack, BodyFill(fill)}); }

void PartCanvas::BodyPolygon(std::span<const QPoint> corners, QRgb fill) {
  DrawPolygon(Scene(), corners, {kBlack, BodyFill(fill)});
}

void PartCanvas::IndexEllipse(const Box& box) {
  if (!part_.Selected) {
    DrawEllipse(painters_.Index, box, {IndexColour(partIndex_), IndexColour(partIndex_)});
  }
}

void PartCanvas::IndexPolygon(std::span<const QPoint> corners) {
  if (!part_.Selected) {
    DrawPolygon(painters_.Index, corners, {IndexColour(partIndex_), IndexColour(partIndex_)});
  }
}

void PartCanvas::Holes(const HoleList& holes, int after) {
  for (int h = 0; h < holes.Count; ++h) {
    const Point p = WorldPoint(part_, holes.Holes[h].X, holes.Holes[h].Y);
    const QPoint c = Rounded(p.X, p.Y);
    const Box box{c.x() - 5, c.y() - 5, c.x() + after, c.y() + 6};
    DrawEllipse(Scene(), box, {kBlack, BodyFill(kGrey)});
  }
}

}  // namespace morvane::view
