#include "view/part_canvas.h"

#include <QImage>
#include <algorithm>
#include <array>
#include <cmath>

#include "model/part_frame.h"
#include "view/draw_colours.h"

namespace morvane::view {

namespace {

constexpr int kHoleHeight = 11;

// The hole whose box has its top left corner at `corner`: grey with a black
// rim, or the rim alone.
void DrawHole(QPainter& painter, QPoint corner, HoleWidth width, bool hollow) {
  const int columns = width == HoleWidth::Full ? kHoleHeight : kHoleHeight - 1;
  DrawEllipse(painter, {corner.x(), corner.y(), corner.x() + columns, corner.y() + kHoleHeight},
              {kBlack, hollow ? std::nullopt : std::optional<QRgb>(kGrey)});
}

// A frame holds hundreds of holes, all alike, and an aliased ellipse costs
// microseconds to rasterise. So each kind of hole (full width or narrow,
// filled or hollow) is drawn once, by the same ellipse call, into a
// transparent picture that is then stamped; the pixels are the same.
// The sprite's top left corner stands at (-5, -5) from the hole's centre.
const QImage& HoleSprite(HoleWidth width, bool hollow) {
  static const auto sprites = [] {
    std::array<QImage, 4> made;
    for (int i = 0; i < 4; ++i) {
      const HoleWidth spriteWidth = i / 2 == 0 ? HoleWidth::Full : HoleWidth::Narrow;
      made[i] = QImage(kHoleHeight, kHoleHeight, QImage::Format_ARGB32_Premultiplied);
      made[i].fill(Qt::transparent);
      QPainter painter(&made[i]);
      DrawHole(painter, {0, 0}, spriteWidth, i % 2 == 1);
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
  // A vector picture gets every hole as an ellipse of its own.
  const bool stamp = IsPixelPicture(Scene());
  for (int h = 0; h < holes.Count; ++h) {
    const Point p = WorldPoint(part_, holes.Holes[h].X, holes.Holes[h].Y);
    const QPoint corner = Rounded(p.X, p.Y) - QPoint(5, 5);
    if (stamp) {
      Scene().drawImage(corner, HoleSprite(width, part_.Selected));
    } else {
      DrawHole(Scene(), corner, width, part_.Selected);
    }
  }
}

}  // namespace morvane::view
