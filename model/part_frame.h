#pragma once

// Where the points of a part stand on the canvas. A point given in the part's
// own frame by (dx, dy) stands at (X + dx + e, Y + dy) turned about the
// part's origin (X, Y) by Angle degrees, where e is the stroke of a piston's
// sliding end and 0 for every other kind. The formulas are the mathematical
// counter-clockwise ones; with y pointing down a positive angle turns
// clockwise on the screen.

#include <cstdint>

#include "model/part_record.h"

namespace morvane {

constexpr double kDegToRad = 0.017453292519943295;
constexpr double kRadToDeg = 57.29577951308232;

// A piston's sliding end travels from 0 to this far out and back over a turn
// of its phase.
constexpr double kPistonStroke = 180.0;

struct Point {
  double X = 0.0;
  double Y = 0.0;
};

// Every rotation helper takes the centre first, then the point.
double RotateXDeg(double cx, double cy, double x, double y, double angleDeg);
double RotateYDeg(double cx, double cy, double x, double y, double angleDeg);
// Both coordinates of RotateXDeg and RotateYDeg with one sine and cosine.
Point RotateDeg(double cx, double cy, double x, double y, double angleDeg);
Point RotateRad(double cx, double cy, double x, double y, double angleRad);

// The angle brought into [0, 360).
double NormalizeAngle360(double angleDeg);
// Two points coincide when both coordinates differ by at most half a pixel.
bool SamePoint(double x1, double y1, double x2, double y2);
bool NearPoint(double x1, double y1, double x2, double y2, double tolerance);

// Drawing rounds halves to the even neighbour.
int RoundHalfEven(double value);

// How far a piston's sliding end stands out: 0..180..0 over a turn of its phase.
double PistonOffset(double phase);
// The stroke term of any part: the piston offset for pistons, 0 otherwise.
double StrokeTerm(const PartRecord& part);

// Canvas position of the point (dx, dy) of the part's own frame.
Point WorldPoint(const PartRecord& part, double dx, double dy);

// The cosine and sine of a part's angle, to place many points of it with one
// evaluation; they stand exactly where WorldPoint puts them.
struct PartTurn {
  double Cos = 1.0;
  double Sin = 0.0;
};
PartTurn TurnOf(const PartRecord& part);
Point WorldPoint(const PartRecord& part, const PartTurn& turn, double dx, double dy);

// The canvas point in the part's own frame, turned back about the origin;
// for a piston the stroke term is not taken off.
Point OwnPoint(const PartRecord& part, double x, double y);
Point PinWorld(const PartRecord& part, int slot);
Point PenWorld(const PartRecord& part, int slot);

// The last pin slot of the part whose place coincides with (x, y), or -1.
int PinSlotAt(const PartRecord& part, double x, double y);
// The last pin slot of the part carrying the pin number, or -1.
int SlotOfPin(const PartRecord& part, int32_t pinId);

}  // namespace morvane
