// Pistons: a cylinder open towards +x (walls 10 wide, bore 60), and a head
// with its rod that slide in it by the stroke e, a triangle wave of the phase
// stored in Size (0..180..0 pixels over a turn). The holes sit on the rod,
// 240 to 300 pixels beyond the head's back.

#include <array>

#include "model/catalogue.h"
#include "model/part_kind.h"
#include "model/part_frame.h"
#include "view/draw_colours.h"
#include "view/part_marks.h"
#include "view/part_painters.h"

namespace morvane::view {

namespace {

// Own-frame corners of an upright rectangle, clockwise from the top left.
std::array<QPointF, 4> Rectangle(double left, double top, double right, double bottom) {
  return {QPointF(left, top), QPointF(right, top), QPointF(right, bottom), QPointF(left, bottom)};
}

std::array<QPointF, 4> SquareAround(double cx, double half) { return Rectangle(cx - half, -half, cx + half, half); }

std::array<QPointF, 4> Shifted(const FrameBox& box, double dx) {
  return Rectangle(box.Left + dx, box.Top, box.Right + dx, box.Bottom);
}

}  // namespace

void DrawPiston(FramePainters& painters, const Table& table, int index) {
  const PartRecord& part = table[index];
  PartCanvas canvas(painters, part, index);
  const double e = StrokeTerm(part);
  const auto cylinder = TurnedCorners<8>(
      canvas, {QPointF(240, -40), QPointF(240, -30), QPointF(0, -30), QPointF(0, 30), QPointF(240, 30),
               QPointF(240, 40), QPointF(-10, 40), QPointF(-10, -40)});
  const auto head = TurnedCorners(canvas, Shifted(kPistonHead, e));
  const auto rod = TurnedCorners(canvas, Shifted(kPistonRod, e));
  canvas.BodyPolygon(cylinder, kCylinder);
  canvas.BodyPolygon(head, part.Kind == PistonActive ? kPowerMark : kPlainHead);
  canvas.BodyPolygon(rod, kPlainBody);
  canvas.BodyPolygon(TurnedCorners(canvas, SquareAround(e + 20, 6)), kBlack);
  canvas.BodyPolygon(TurnedCorners(canvas, SquareAround(e + 38, 6)), kBlack);
  // The bore counts as the piston's own, so the pointer finds it anywhere
  // inside the cylinder's outline.
  canvas.IndexPolygon(TurnedCorners(canvas, Rectangle(-10, -40, 240, 40)));
  canvas.IndexPolygon(head);
  canvas.IndexPolygon(rod);
  canvas.Holes(HolesOf(part));
  DrawMarks(canvas);
}

}  // namespace morvane::view
