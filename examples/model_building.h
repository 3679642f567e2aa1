#pragma once

#include <cstdint>
#include <optional>

#include "model/part_frame.h"
#include "session/session.h"

namespace morvane::examples {

// Building a model the way a user does, through the palette of a session, for
// the example generator and the benchmarks. The dropping functions throw
// std::runtime_error when nothing is placed or a pin is refused, so that a
// construction mistake cannot pass unnoticed.

// Drops a part from the palette at (x, y) (snapped to the grid), turned by
// `angle` and, when `size` is given, resized; returns its index.
int AddPart(Session& session, int32_t kind, double x, double y, double angle = 0, std::optional<double> size = {});

// Drops a pin or a pen at (x, y), into the holes that lie there.
void Drop(Session& session, int32_t kind, double x, double y);

// The same two for a mechanism laid out off the grid: the part's origin, or
// the pin or pen, lands exactly on `at`, as when a user drags it until its
// hole snaps onto a hole of a part already placed.
int AddPartAt(Session& session, int32_t kind, Point at, double angle = 0);
void DropAt(Session& session, int32_t kind, Point at);

// A rod lying from `from` towards `to`, its first hole on `from`.
int AddRod(Session& session, int32_t kind, Point from, Point to);
// A part turned and moved so that its holes `first` and `second` (in its own
// frame) stand on `firstAt` and `secondAt`; throws when their distances differ.
int AddPartOnHoles(Session& session, int32_t kind, Point first, Point firstAt, Point second, Point secondAt);
// Where the hole (dx, dy) of a placed part stands.
Point HoleOf(const Session& session, int part, Point hole);

// Plane geometry for laying a mechanism out in the pose it has at track
// position 0. Angles in degrees, clockwise on the screen as for parts.
Point Polar(Point centre, double radius, double angle);
double Direction(Point from, Point to);
double Distance(Point a, Point b);
// The point `fraction` of the way from a to b (beyond b when above 1).
Point Between(Point a, Point b, double fraction);

// The third corner of the triangle with sides `fromA` and `fromB` over the
// base a-b, on the side a clockwise turn from the direction a to b reaches
// (below the base when it points right) or on the other. Throws when the
// sides cannot close.
enum class Side { Clockwise, Anticlockwise };
Point Apex(Point a, double fromA, Point b, double fromB, Side side);

}  // namespace morvane::examples
