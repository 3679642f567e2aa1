#include "analysis/transmission.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "analysis/mobility.h"
#include "model/part_kind.h"

namespace morvane::analysis {

namespace {

// The other pin of the part seen from `pin`: on the ground if it has one.
int32_t OtherPin(const PartRecord& part, int32_t pin) {
  int32_t other = -1;
  for (int s = 0; s < part.PinCount; ++s) {
    const int32_t id = part.PinId[s];
    if (id == pin) {
      continue;
    }
    if (part.PinState[s] == PinStatus::Fixed) {
      return id;
    }
    other = other < 0 ? id : other;
  }
  return other;
}

bool CanTransmit(const ModelState& model, int part) {
  return part != model.PowerPartIndex && !IsPiston(model.PartTable[part].Kind);
}

}  // namespace

std::vector<TransmissionPin> FindTransmissionPins(const ModelState& model, const std::vector<TrackedPoint>& points) {
  std::map<int32_t, std::vector<int>> partsOfPin;
  for (const SlotRef at : PinSlots(model.PartTable, model.PartCount)) {
    std::vector<int>& parts = partsOfPin[model.PartTable[at.Part].PinId[at.Slot]];
    if (std::find(parts.begin(), parts.end(), at.Part) == parts.end()) {
      parts.push_back(at.Part);
    }
  }
  std::vector<TransmissionPin> found;
  for (const auto& [pin, parts] : partsOfPin) {
    if (parts.size() != 2 || IsGroundPin(model, pin) || !CanTransmit(model, parts[0]) ||
        !CanTransmit(model, parts[1])) {
      continue;
    }
    const int32_t towardA = OtherPin(model.PartTable[parts[0]], pin);
    const int32_t towardB = OtherPin(model.PartTable[parts[1]], pin);
    if (towardA >= 0 && towardB >= 0) {
      found.push_back({pin, parts[0], parts[1], PointOfPin(points, pin), PointOfPin(points, towardA),
                       PointOfPin(points, towardB)});
    }
  }
  return found;
}

double AngleBetween(Point at, Point a, Point b) {
  const double ax = a.X - at.X;
  const double ay = a.Y - at.Y;
  const double bx = b.X - at.X;
  const double by = b.Y - at.Y;
  return std::atan2(std::fabs(ax * by - ay * bx), ax * bx + ay * by) * kRadToDeg;
}

}  // namespace morvane::analysis
