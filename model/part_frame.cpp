#include "model/part_frame.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "model/part_kind.h"

namespace morvane {

double RotateXDeg(double cx, double cy, double x, double y, double angleDeg) {
  const double a = angleDeg * kDegToRad;
  return cx + std::cos(a) * (x - cx) - std::sin(a) * (y - cy);
}

double RotateYDeg(double cx, double cy, double x, double y, double angleDeg) {
  const double a = angleDeg * kDegToRad;
  return cy + std::sin(a) * (x - cx) + std::cos(a) * (y - cy);
}

namespace {

Point Rotate(double cx, double cy, double x, double y, double c, double s) {
  return {cx + c * (x - cx) - s * (y - cy), cy + s * (x - cx) + c * (y - cy)};
}

}  // namespace

Point RotateDeg(double cx, double cy, double x, double y, double angleDeg) {
  const double a = angleDeg * kDegToRad;
  return Rotate(cx, cy, x, y, std::cos(a), std::sin(a));
}

Point RotateRad(double cx, double cy, double x, double y, double angleRad) {
  return Rotate(cx, cy, x, y, std::cos(angleRad), std::sin(angleRad));
}

double NormalizeAngle360(double angleDeg) {
  if (!std::isfinite(angleDeg)) {
    return angleDeg;
  }
  // fmod first keeps huge angles from looping for ever; the loops then fix the sign.
  double a = std::fmod(angleDeg, 360.0);
  while (a >= 360.0) {
    a -= 360.0;
  }
  while (a < 0.0) {
    a += 360.0;
  }
  return a >= 360.0 ? 0.0 : a;
}

bool SamePoint(double x1, double y1, double x2, double y2) { return NearPoint(x1, y1, x2, y2, 0.5); }

bool NearPoint(double x1, double y1, double x2, double y2, double tolerance) {
  return std::fabs(x1 - x2) <= tolerance && std::fabs(y1 - y2) <= tolerance;
}

int RoundHalfEven(double value) {
  // Values from files can be anything; converting one beyond int is undefined.
  constexpr double kLimit = 2147483647.0;
  if (std::isnan(value)) {
    return 0;
  }
  return static_cast<int>(std::nearbyint(std::clamp(value, -kLimit, kLimit)));
}

double PistonOffset(double phase) {
  const double p = NormalizeAngle360(phase);
  return p > kPistonStroke ? 360.0 - p : p;
}

double StrokeTerm(const PartRecord& part) {
  return part.Kind == PistonActive || part.Kind == PistonPassive ? PistonOffset(part.Size) : 0.0;
}

Point WorldPoint(const PartRecord& part, double dx, double dy) { return WorldPoint(part, TurnOf(part), dx, dy); }

PartTurn TurnOf(const PartRecord& part) {
  // The solver asks for thousands of pin positions per step, of a few parts
  // at a time: one sine and cosine for both coordinates, and the last few
  // angles remembered by their bits (so that -0 and NaN are told apart).
  struct Remembered {
    uint64_t Bits = 0;
    PartTurn Turn;
  };
  constexpr size_t kRemembered = 4;
  thread_local std::array<Remembered, kRemembered> remembered{};
  thread_local size_t next = 0;
  const double angle = part.Angle * kDegToRad;
  const uint64_t bits = std::bit_cast<uint64_t>(angle);
  for (const Remembered& r : remembered) {
    if (r.Bits == bits) {
      return r.Turn;
    }
  }
  const PartTurn turn{std::cos(angle), std::sin(angle)};
  remembered[next] = {bits, turn};
  next = (next + 1) % kRemembered;
  return turn;
}

Point WorldPoint(const PartRecord& part, const PartTurn& turn, double dx, double dy) {
  return Rotate(part.X, part.Y, part.X + dx + StrokeTerm(part), part.Y + dy, turn.Cos, turn.Sin);
}

Point OwnPoint(const PartRecord& part, double x, double y) {
  const Point turned = RotateRad(part.X, part.Y, x, y, -part.Angle * kDegToRad);
  return {turned.X - part.X, turned.Y - part.Y};
}

Point PinWorld(const PartRecord& part, int slot) { return WorldPoint(part, part.PinX[slot], part.PinY[slot]); }

Point PenWorld(const PartRecord& part, int slot) { return WorldPoint(part, part.PenX[slot], part.PenY[slot]); }

int PinSlotAt(const PartRecord& part, double x, double y) {
  int found = -1;
  for (int s = 0; s < part.PinCount; ++s) {
    const Point p = PinWorld(part, s);
    if (SamePoint(p.X, p.Y, x, y)) {
      found = s;
    }
  }
  return found;
}

int SlotOfPin(const PartRecord& part, int32_t pinId) {
  int found = -1;
  for (int s = 0; s < part.PinCount; ++s) {
    if (part.PinId[s] == pinId) {
      found = s;
    }
  }
  return found;
}

}  // namespace morvane
