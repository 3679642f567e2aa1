#include "solver/geometry.h"

#include <algorithm>
#include <cmath>

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

void RotateRad(double x, double y, double cx, double cy, double angleRad, double& outX, double& outY) {
  const double c = std::cos(angleRad);
  const double s = std::sin(angleRad);
  outX = cx + c * (x - cx) - s * (y - cy);
  outY = cy + s * (x - cx) + c * (y - cy);
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

namespace {

IntersectionResult TouchingPoint(double x1, double y1, double a, double theta) {
  IntersectionResult result;
  result.Count = 1;
  RotateRad(x1 + a, y1, x1, y1, theta, result.X1, result.Y1);
  result.X2 = result.X1;
  result.Y2 = result.Y1;
  return result;
}

// Circles that miss each other by at most 0.1 % are made to touch, so that
// rounding in long chains of parts does not lock a mechanism at a dead point.
bool SnapRadii(double d, double& r1, double& r2) {
  const double rmax = r1 > r2 ? r1 : r2;
  if (d > rmax && 1.001 * r1 + 1.001 * r2 >= d) {
    r1 = d - r2;
  } else if (d < rmax && std::fabs(1.001 * r1 - r2) <= d) {
    r2 = r1 + d;
  } else if (d < rmax && std::fabs(r1 - 1.001 * r2) <= d) {
    r1 = r2 + d;
  } else {
    return false;
  }
  return true;
}

}  // namespace

IntersectionResult CircleIntersect(double x1, double y1, double r1, double x2, double y2, double r2) {
  const double theta = std::atan2(y2 - y1, x2 - x1);
  double rx = 0.0;
  double ry = 0.0;
  RotateRad(x2, y2, x1, y1, -theta, rx, ry);
  const double d = std::fabs(rx - x1);
  const bool meets = r1 + r2 >= d && std::fabs(r1 - r2) <= d && d != 0.0;
  if (!meets && !SnapRadii(d, r1, r2)) {
    return {};
  }
  if (r1 + r2 == d || std::fabs(r1 - r2) == d) {
    return TouchingPoint(x1, y1, r1 < r2 ? d - r2 : r1, theta);
  }
  const double a = (d * d + r1 * r1 - r2 * r2) / 2.0 / d;
  // Just short of touching, rounding can leave r1 * r1 a hair below a * a;
  // the circles still meet, at the tangent point, rather than at NaN.
  const double h = std::sqrt(std::max(r1 * r1 - a * a, 0.0));
  IntersectionResult result;
  result.Count = 2;
  RotateRad(x1 + a, y1 + h, x1, y1, theta, result.X1, result.Y1);
  RotateRad(x1 + a, y1 - h, x1, y1, theta, result.X2, result.Y2);
  return result;
}

IntersectionResult LineCircleIntersect(double cx, double cy, double r, double px, double py, double angleDeg) {
  const double angle = angleDeg * kDegToRad;
  double lx = 0.0;
  double ly = 0.0;
  RotateRad(px, py, cx, cy, -angle, lx, ly);
  const double dist = std::fabs(ly - cy);
  if (dist > r) {
    if (1.001 * r < dist) {
      return {};
    }
    r = dist;
  }
  IntersectionResult result;
  if (dist == r) {
    result.Count = 1;
    RotateRad(cx, ly, cx, cy, angle, result.X1, result.Y1);
    result.X2 = result.X1;
    result.Y2 = result.Y1;
    return result;
  }
  const double h = std::sqrt(r * r - (ly - cy) * (ly - cy));
  result.Count = 2;
  RotateRad(cx + h, ly, cx, cy, angle, result.X1, result.Y1);
  RotateRad(cx - h, ly, cx, cy, angle, result.X2, result.Y2);
  return result;
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
  return p > 180.0 ? 360.0 - p : p;
}

double StrokeTerm(const PartRecord& part) {
  return part.Kind == PistonActive || part.Kind == PistonPassive ? PistonOffset(part.Size) : 0.0;
}

Point WorldPoint(const PartRecord& part, double dx, double dy) {
  const double px = part.X + dx + StrokeTerm(part);
  const double py = part.Y + dy;
  // The same arithmetic as RotateXDeg and RotateYDeg, with one sine and cosine
  // for both: the solver asks for thousands of pin positions per step.
  Point p;
  RotateRad(px, py, part.X, part.Y, part.Angle * kDegToRad, p.X, p.Y);
  return p;
}

Point PinWorld(const PartRecord& part, int slot) { return WorldPoint(part, part.PinX[slot], part.PinY[slot]); }

Point PenWorld(const PartRecord& part, int slot) { return WorldPoint(part, part.PenX[slot], part.PenY[slot]); }

Point PinWorldPos(const Table& table, int partIndex, int slot) { return PinWorld(table[partIndex], slot); }

Point PinPosByState(const Table& table, int partCount, int32_t pinId, int32_t state) {
  for (int i = 0; i < partCount; ++i) {
    const PartRecord& part = table[i];
    for (int s = 0; s < part.PinCount; ++s) {
      if (part.PinId[s] == pinId && part.PinState[s] == state) {
        return PinWorld(part, s);
      }
    }
  }
  return {kNoPosition, kNoPosition};
}

int FindPinSlotOfPart(const Table& table, int partIndex, double x, double y) {
  const PartRecord& part = table[partIndex];
  int found = -1;
  for (int s = 0; s < part.PinCount; ++s) {
    const Point p = PinWorld(part, s);
    if (SamePoint(p.X, p.Y, x, y)) {
      found = s;
    }
  }
  return found;
}

int SlotOfPin(const Table& table, int partIndex, int32_t pinId) {
  const PartRecord& part = table[partIndex];
  int found = -1;
  for (int s = 0; s < part.PinCount; ++s) {
    if (part.PinId[s] == pinId) {
      found = s;
    }
  }
  return found;
}

bool PinOccurrenceCounter::Take(int part) {
  if (part == skip_) {
    return false;
  }
  ++count_;
  last_ = part;
  return n_ >= 1 && count_ == n_;
}

int FindPartWithPin(const Table& table, int partCount, int skip, int32_t pinId, int n) {
  PinOccurrenceCounter counter(skip, n);
  for (int i = 0; i < partCount; ++i) {
    const PartRecord& part = table[i];
    for (int s = 0; s < part.PinCount; ++s) {
      if (part.PinId[s] == pinId && counter.Take(i)) {
        return counter.Result();
      }
    }
  }
  return counter.Result();
}

void SetPinState(Table& table, int partCount, int32_t pinId, int32_t state) {
  for (int i = 0; i < partCount; ++i) {
    PartRecord& part = table[i];
    for (int s = 0; s < part.PinCount; ++s) {
      if (part.PinId[s] == pinId) {
        part.PinState[s] = state;
      }
    }
  }
}

}  // namespace morvane
