#include "examples/model_building.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace morvane::examples {

namespace {

// The new record sits at the end of the table from the press to the drop.
PartRecord& Pressed(Session& session, int32_t kind, double x, double y) {
  if (session.PressPalette(kind, x, y, true) || session.Dragging() != DragMode::Palette) {
    throw std::runtime_error("palette press refused");
  }
  return session.MutableModel().PartTable[session.Model().PartCount - 1];
}

std::string Where(double x, double y) { return std::to_string(x) + ", " + std::to_string(y); }

void DropPressed(Session& session, double x, double y, const Table& before) {
  if (session.DropPalette(true) || session.Model().PartTable == before) {
    throw std::runtime_error("nothing placed at " + Where(x, y));
  }
}

}  // namespace

int AddPart(Session& session, int32_t kind, double x, double y, double angle, std::optional<double> size) {
  PartRecord& part = Pressed(session, kind, x, y);
  // Turned and sized before the drop, so that the drop's snapshot records them.
  part.Angle = angle;
  part.Size = size.value_or(part.Size);
  session.DropPalette(true);
  return session.Model().PartCount - 1;
}

void Drop(Session& session, int32_t kind, double x, double y) {
  const Table before = session.Model().PartTable;
  Pressed(session, kind, x, y);
  DropPressed(session, x, y, before);
}

int AddPartAt(Session& session, int32_t kind, Point at, double angle) {
  PartRecord& part = Pressed(session, kind, at.X, at.Y);
  part.X = at.X;
  part.Y = at.Y;
  part.Angle = angle;
  session.DropPalette(true);
  return session.Model().PartCount - 1;
}

void DropAt(Session& session, int32_t kind, Point at) {
  const Table before = session.Model().PartTable;
  PartRecord& pin = Pressed(session, kind, at.X, at.Y);
  pin.X = at.X;
  pin.Y = at.Y;
  DropPressed(session, at.X, at.Y, before);
}

int AddRod(Session& session, int32_t kind, Point from, Point to) {
  return AddPartAt(session, kind, from, Direction(from, to));
}

int AddPartOnHoles(Session& session, int32_t kind, Point first, Point firstAt, Point second, Point secondAt) {
  if (std::abs(Distance(first, second) - Distance(firstAt, secondAt)) > 1e-9 * Distance(first, second)) {
    throw std::runtime_error("the holes do not fit over " + Where(firstAt.X, firstAt.Y));
  }
  const double angle = Direction(firstAt, secondAt) - Direction(first, second);
  const Point turned = Polar({}, Distance({}, first), Direction({}, first) + angle);
  return AddPartAt(session, kind, {firstAt.X - turned.X, firstAt.Y - turned.Y}, angle);
}

Point HoleOf(const Session& session, int part, Point hole) {
  return WorldPoint(session.Model().PartTable[part], hole.X, hole.Y);
}

Point Polar(Point centre, double radius, double angle) {
  return {centre.X + radius * std::cos(angle * kDegToRad), centre.Y + radius * std::sin(angle * kDegToRad)};
}

double Direction(Point from, Point to) { return std::atan2(to.Y - from.Y, to.X - from.X) * kRadToDeg; }

double Distance(Point a, Point b) { return std::hypot(b.X - a.X, b.Y - a.Y); }

Point Between(Point a, Point b, double fraction) {
  return {a.X + fraction * (b.X - a.X), a.Y + fraction * (b.Y - a.Y)};
}

Point Apex(Point a, double fromA, Point b, double fromB, Side side) {
  const double base = Distance(a, b);
  const double along = (base * base + fromA * fromA - fromB * fromB) / (2 * base);
  const double across = fromA * fromA - along * along;
  if (base == 0 || across < 0) {
    throw std::runtime_error("the sides do not close over " + Where(a.X, a.Y));
  }
  const double turn = side == Side::Clockwise ? 90 : -90;
  return Polar(Polar(a, along, Direction(a, b)), std::sqrt(across), Direction(a, b) + turn);
}

}  // namespace morvane::examples
