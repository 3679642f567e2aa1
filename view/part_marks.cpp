#include "view/part_marks.h"

#include <algorithm>
#include <array>

#include "model/part_frame.h"
#include "view/draw_colours.h"

namespace morvane::view {

namespace {

// Counts read from a file are not checked against the slots, so never trust them.
int UsedSlots(int32_t count, int capacity) { return std::clamp<int32_t>(count, 0, capacity); }

void DrawPinMark(QPainter& painter, QPoint c, bool fixed) {
  if (fixed) {
    DrawRect(painter, BoxAround(c, 8, 9), {kBlack, kBlack});
    return;
  }
  DrawEllipse(painter, BoxAround(c, 8, 9), {kBlack, kBlack});
  DrawEllipse(painter, BoxAround(c, 6, 7), {kBlack, kPinRing});
  DrawEllipse(painter, BoxAround(c, 2, 3), {kBlack, kBlack});
}

}  // namespace

void DrawPenHexagon(QPainter& painter, QPoint c, QRgb colour) {
  const int x = c.x();
  const int y = c.y();
  const std::array<QPoint, 6> corners = {
      QPoint(x, y - 11), QPoint(x + 10, y - 5), QPoint(x + 10, y + 5),
      QPoint(x, y + 11), QPoint(x - 9, y + 5),  QPoint(x - 9, y - 5)};
  DrawPolygon(painter, corners, {colour, std::nullopt, 2});
}

void DrawPinMarks(PartCanvas& canvas) {
  const PartRecord& part = canvas.Part();
  for (int s = 0; s < UsedSlots(part.PinCount, kPinSlots); ++s) {
    const Point p = PinWorld(part, s);
    DrawPinMark(canvas.Scene(), Rounded(p.X, p.Y), part.PinState[s] != PinStatus::Movable);
  }
}

void DrawPenMarks(PartCanvas& canvas) {
  const PartRecord& part = canvas.Part();
  for (int s = 0; s < UsedSlots(part.PenCount, kPenSlots); ++s) {
    const Point p = PenWorld(part, s);
    const QPoint c = Rounded(p.X, p.Y);
    const QRgb colour = PenColour(part.PenColor[s]);
    DrawPenHexagon(canvas.Scene(), c, colour);
    DrawEllipse(canvas.Scene(), BoxAround(c, 2, 3), {colour, colour});
  }
}

void DrawMarks(PartCanvas& canvas) {
  if (!canvas.HasScene()) {
    return;
  }
  DrawPinMarks(canvas);
  DrawPenMarks(canvas);
}

}  // namespace morvane::view
