#include "view/part_canvas.h"

#include <QImage>
#include <algorithm>
#include <array>
#include <cmath>

#include "model/part_frame.h"
#include "view/draw_colours.h"

namespace morvane::view {

namespace {

// A frame holds hundreds of holes, all alike, and an aliased ellipse costs
// microseconds to rasterise. So each kind of hole (full width or narrow,
// filled or hollow) is drawn once, by the same ellipse call, into a
// transparent picture that is then stamped; the pixels are the same.
// The sprite's top left corner stands at (-5, -5) from the hole's centre.
const QImage& HoleSprite(HoleWidth width, bool hollow) {
  static const auto sprites = [] {
    std::array<QImage, 4> made;
    for (int i = 0; i < 4; ++i) {
      const int columns = i / 2 == 0 ? 11 : 10;
      made[i] = QImage(columns, 11, QImage::Format_ARGB32_Premultiplied);
      made[i].fill(Qt::transparent);
      QPainter painter(&made[i]);
      DrawEllipse(painter, {0, 0, columns, 11}, {kBlack, i % 2 == 0 ? std::optional<QRgb>(kGrey) : std::nullopt});
    }
    return made;
  }();
  return sprites[(width == HoleWidth::Full ? 0 : 2) + (hollow ? 1 : 0)];
}

}  // namespace

int ToPixel(double v) { return RoundHalfEven(std::isnan(v) ? kFarOff : std::clamp(v, -kFarOff, kFarOff)); }

QPoint Rounded(double x, double y) { return {ToPixel(x), ToPixel(y)}; }

Box CircleBox(const PartRecord& part, double r) {
  return {ToPixel(part.X - r), ToPixel(part.Y - r), ToPixel(part.X + r), ToPixel(part.Y + r)};
}

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

void PartCanvas::BodyEllipse(const Box& box, QRgb fill) {
  if (HasScene()) {
    DrawEllipse(Scene(), box, {kBlack, BodyFill(fill)});
  }
}

void PartCanvas::BodyPolygon(std::span<const QPoint> corners, QRgb fill) {
  if (HasScene()) {
    DrawPolygon(Scene(), corners, {kBlack, BodyFill(fill)});
  }
}

bool PartCanvas::PaintsIndex() const { return painters_.Index != nullptr && !part_.Selected; }

void PartCanvas::IndexEllipse(const Box& box) {
  if (PaintsIndex()) {
    DrawEllipse(*painters_.Index, box, {IndexColour(partIndex_), IndexColour(partIndex_)});
  }
}

void PartCanvas::IndexPolygon(std::span<const QPoint> corners) {
  if (PaintsIndex()) {
    DrawPolygon(*painters_.Index, corners, {IndexColour(partIndex_), IndexColour(partIndex_)});
  }
}

void PartCanvas::Holes(const HoleList& holes, HoleWidth width) {
  if (!HasScene()) {
    return;
  }
  for (int h = 0; h < holes.Count; ++h) {
    const Point p = WorldPoint(part_, holes.Holes[h].X, holes.Holes[h].Y);
    const QPoint c = Rounded(p.X, p.Y);
    Scene().drawImage(c.x() - 5, c.y() - 5, HoleSprite(width, part_.Selected));
  }
}

}  // namespace morvane::view
