#pragma once

#include <QPoint>
#include <QRgb>

#include "view/part_canvas.h"

namespace morvane::view {

// The pins through a part, in slot order: a fixed pin (any non-zero state) is
// a black square, a movable pin a black-grey-black ring.
void DrawPinMarks(PartCanvas& canvas);
// The pens on a part, in slot order: a hexagon with a dot in the pen's colour.
void DrawPenMarks(PartCanvas& canvas);
// Pin marks, then pen marks: how every family routine ends.
void DrawMarks(PartCanvas& canvas);

// The hollow hexagon round a pen, drawn with a 2-pixel pen.
void DrawPenHexagon(QPainter& painter, QPoint c, QRgb colour);

}  // namespace morvane::view
