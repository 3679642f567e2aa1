#include "analysis/tracked_points.h"

#include <algorithm>

#include "model/part_kind.h"

namespace morvane::analysis {

std::vector<TrackedPoint> TrackedPoints(const ModelState& model) {
  std::vector<TrackedPoint> points;
  for (const SlotRef at : PinSlots(model.PartTable, model.PartCount)) {
    const int32_t pin = model.PartTable[at.Part].PinId[at.Slot];
    if (PointOfPin(points, pin) < 0) {
      points.push_back({TrackedPoint::Kind::Pin, pin, at});
    }
  }
  std::sort(points.begin(), points.end(), [](const TrackedPoint& a, const TrackedPoint& b) { return a.Id < b.Id; });
  for (int32_t colour = PenBlack; colour <= PenGreen; ++colour) {
    for (const SlotRef at : PenSlots(model.PartTable, model.PartCount)) {
      if (model.PartTable[at.Part].PenColor[at.Slot] == colour) {
        points.push_back({TrackedPoint::Kind::Pen, colour, at});
        break;
      }
    }
  }
  return points;
}

Point PositionOf(const Table& table, const TrackedPoint& point) {
  const PartRecord& part = table[point.At.Part];
  return point.What == TrackedPoint::Kind::Pin ? PinWorld(part, point.At.Slot) : PenWorld(part, point.At.Slot);
}

namespace {

int PointOf(const std::vector<TrackedPoint>& points, TrackedPoint::Kind kind, int32_t id) {
  for (size_t i = 0; i < points.size(); ++i) {
    if (points[i].What == kind && points[i].Id == id) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

}  // namespace

int PointOfPin(const std::vector<TrackedPoint>& points, int32_t pin) {
  return PointOf(points, TrackedPoint::Kind::Pin, pin);
}

int PointOfPen(const std::vector<TrackedPoint>& points, int32_t colour) {
  return PointOf(points, TrackedPoint::Kind::Pen, colour);
}

}  // namespace morvane::analysis
