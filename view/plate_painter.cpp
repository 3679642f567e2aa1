// Plates with the size parameter S and n = (S - 40) div 20: a right triangle
// with legs of 20 n along +x and up from its origin, and an L of the same two
// legs 20 wide. Their holes run along the legs (and the triangle's hypotenuse).

#include "model/catalogue.h"
#include "view/draw_colours.h"
#include "view/part_marks.h"
#include "view/part_painters.h"

namespace morvane::view {

namespace {

template <std::size_t N>
void DrawPlate(FramePainters& painters, const Table& table, int index, const std::array<QPointF, N>& outline,
               HoleWidth holeWidth) {
  const PartRecord& part = table[index];
  PartCanvas canvas(painters, part, index);
  const auto body = TurnedCorners<N>(canvas, outline);
  canvas.BodyPolygon(body, kPlainBody);
  canvas.IndexPolygon(body);
  canvas.Holes(HolesOf(part), holeWidth);
  DrawMarks(canvas);
}

}  // namespace

void DrawTriangle(FramePainters& painters, const Table& table, int index) {
  const double s = table[index].Size;
  DrawPlate<3>(painters, table, index, {QPointF(-10, 10), QPointF(s - 10, 10), QPointF(-10, -s + 10)}, HoleWidth::Full);
}

void DrawLgata(FramePainters& painters, const Table& table, int index) {
  const double s = table[index].Size;
  DrawPlate<6>(painters, table, index,
               {QPointF(-10, 10), QPointF(s - 20, 10), QPointF(s - 20, -10), QPointF(10, -10), QPointF(10, -s + 20),
                QPointF(-10, -s + 20)},
               HoleWidth::Narrow);
}

}  // namespace morvane::view
