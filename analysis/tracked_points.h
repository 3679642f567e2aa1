#pragma once

// The points whose motion the analysis follows: every pin, where its first
// slot stands (in table order), then the pen of each colour that draws its
// locus, the first of that colour in table order.

#include <cstdint>
#include <vector>

#include "model/model_state.h"
#include "model/part_frame.h"
#include "model/slot_range.h"

namespace morvane::analysis {

struct TrackedPoint {
  enum class Kind { Pin, Pen };
  Kind What = Kind::Pin;
  // The pin's number, or the pen's colour code (101..104).
  int32_t Id = 0;
  SlotRef At;
};

// Pins in ascending number, then pens in the order black, red, blue, green.
std::vector<TrackedPoint> TrackedPoints(const ModelState& model);

Point PositionOf(const Table& table, const TrackedPoint& point);

// The index of the pin's point, or of the pen colour's, or -1.
int PointOfPin(const std::vector<TrackedPoint>& points, int32_t pin);
int PointOfPen(const std::vector<TrackedPoint>& points, int32_t colour);

}  // namespace morvane::analysis
