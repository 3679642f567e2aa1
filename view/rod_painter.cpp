// Rods: a bar 20 wide from 20 behind the origin to 20 short of Size, holes
// every 20 pixels from the origin on, and a small cross at the origin. A power
// rod also has a disk of radius 25 at its pivot, which covers its first two
// hole places, so its holes start at 40.

#include <array>

#include "model/catalogue.h"
#include "model/part_kind.h"
#include "view/draw_colours.h"
#include "view/part_marks.h"
#include "view/part_painters.h"

namespace morvane::view {

namespace {

constexpr int kPivotRadius = 25;

void DrawPivotDisk(PartCanvas& canvas) {
  const Box pivot = CircleBox(canvas.Part(), kPivotRadius);
  canvas.BodyEllipse(pivot, kPowerMark);
  canvas.IndexEllipse(pivot);
}

void DrawOriginCross(PartCanvas& canvas) {
  const QPoint c = Rounded(canvas.Part().X, canvas.Part().Y);
  // Two diagonals of three pixels each, crossing at the origin.
  const std::array<QPoint, 2> falling = {c + QPoint(-1, -1), c + QPoint(1, 1)};
  const std::array<QPoint, 2> rising = {c + QPoint(1, -1), c + QPoint(-1, 1)};
  DrawPolyline(canvas.Scene(), falling, kBlack);
  DrawPolyline(canvas.Scene(), rising, kBlack);
}

}  // namespace

void DrawRod(FramePainters& painters, const Table& table, int index) {
  const PartRecord& part = table[index];
  PartCanvas canvas(painters, part, index);
  if (IsPowerRod(part.Kind)) {
    DrawPivotDisk(canvas);
  }
  const double length = part.Size;
  const auto body = TurnedCorners<4>(
      canvas, {QPointF(-20, -10), QPointF(length - 20, -10), QPointF(length - 20, 10), QPointF(-20, 10)});
  canvas.BodyPolygon(body, kPlainBody);
  canvas.IndexPolygon(body);
  canvas.Holes(HolesOf(part));
  if (canvas.HasScene()) {
    DrawOriginCross(canvas);
  }
  DrawMarks(canvas);
}

}  // namespace morvane::view
