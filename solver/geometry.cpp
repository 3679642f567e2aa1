#include "solver/geometry.h"

#include <algorithm>
#include <cmath>

#include "model/slot_range.h"

namespace morvane {

namespace {

IntersectionResult BothPoints(Point one, Point two) { return {2, one.X, one.Y, two.X, two.Y, false}; }

IntersectionResult TouchingPoint(double x1, double y1, double a, double theta) {
  const Point p = RotateRad(x1, y1, x1 + a, y1, theta);
  return {1, p.X, p.Y, p.X, p.Y};
}

// Circles that miss each other by at most 0.1 % are made to touch, so that
// rounding in long chains of parts does not lock a mechanism at a dead point.
bool SnapRadii(double d, double& r1, double& r2) {
  const double rmax = r1 > r2 ? r1 : r2;
  if (d > rmax && kSnapFactor * r1 + kSnapFactor * r2 >= d) {
    r1 = d - r2;
  } else if (d < rmax && std::fabs(kSnapFactor * r1 - r2) <= d) {
    r2 = r1 + d;
  } else if (d < rmax && std::fabs(r1 - kSnapFactor * r2) <= d) {
    r1 = r2 + d;
  } else {
    return false;
  }
  return true;
}

}  // namespace

IntersectionResult CircleIntersect(double x1, double y1, double r1, double x2, double y2, double r2) {
  const double theta = std::atan2(y2 - y1, x2 - x1);
  const double d = std::fabs(RotateRad(x1, y1, x2, y2, -theta).X - x1);
  const bool meets = r1 + r2 >= d && std::fabs(r1 - r2) <= d && d != 0.0;
  if (!meets && !SnapRadii(d, r1, r2)) {
    return {};
  }
  IntersectionResult cut;
  if (r1 + r2 == d || std::fabs(r1 - r2) == d) {
    cut = TouchingPoint(x1, y1, r1 < r2 ? d - r2 : r1, theta);
  } else {
    const double a = (d * d + r1 * r1 - r2 * r2) / 2.0 / d;
    // Just short of touching, rounding can leave r1 * r1 a hair below a * a;
    // the circles still meet, at the tangent point, rather than at NaN.
    const double h = std::sqrt(std::max(r1 * r1 - a * a, 0.0));
    cut = BothPoints(RotateRad(x1, y1, x1 + a, y1 + h, theta), RotateRad(x1, y1, x1 + a, y1 - h, theta));
  }
  cut.Snapped = !meets;
  return cut;
}

IntersectionResult LineCircleIntersect(double cx, double cy, double r, double px, double py, double angleDeg) {
  const double angle = angleDeg * kDegToRad;
  const double ly = RotateRad(cx, cy, px, py, -angle).Y;
  const double dist = std::fabs(ly - cy);
  if (dist > r) {
    if (kSnapFactor * r < dist) {
      return {};
    }
    r = dist;
  }
  if (dist == r) {
    const Point p = RotateRad(cx, cy, cx, ly, angle);
    return {1, p.X, p.Y, p.X, p.Y, false};
  }
  const double h = std::sqrt(r * r - (ly - cy) * (ly - cy));
  return BothPoints(RotateRad(cx, cy, cx + h, ly, angle), RotateRad(cx, cy, cx - h, ly, angle));
}

Point PinPosByState(const Table& table, int partCount, int32_t pinId, PinStatus state) {
  for (const SlotRef at : PinSlots(table, partCount)) {
    const PartRecord& part = table[at.Part];
    if (part.PinId[at.Slot] == pinId && part.PinState[at.Slot] == state) {
      return PinWorld(part, at.Slot);
    }
  }
  return {kNoPosition, kNoPosition};
}

bool PinOccurrenceCounter::Take(int part) {
  if (part == skip_) {
    return false;
  }
  ++count_;
  last_ = part;
  return n_ >= 1 && count_ == n_;
}

namespace {

PinOccurrenceCounter CountPinSlots(const Table& table, int partCount, int skip, int32_t pinId, int n) {
  PinOccurrenceCounter counter(skip, n);
  for (const SlotRef at : PinSlots(table, partCount)) {
    if (table[at.Part].PinId[at.Slot] == pinId && counter.Take(at.Part)) {
      break;
    }
  }
  return counter;
}

}  // namespace

int NthPartWithPin(const Table& table, int partCount, int skip, int32_t pinId, int n) {
  return CountPinSlots(table, partCount, skip, pinId, n).LastPart();
}

int CountSlotsWithPin(const Table& table, int partCount, int skip, int32_t pinId) {
  return CountPinSlots(table, partCount, skip, pinId, 0).Count();
}

void SetPinState(Table& table, int partCount, int32_t pinId, PinStatus state) {
  for (const SlotRef at : PinSlots(table, partCount)) {
    if (table[at.Part].PinId[at.Slot] == pinId) {
      table[at.Part].PinState[at.Slot] = state;
    }
  }
}

}  // namespace morvane
