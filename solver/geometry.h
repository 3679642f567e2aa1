#pragma once

// The solver's geometry: where two circles, or a circle and a line, meet,
// and where pins stand in its work table.

#include <cstdint>

#include "model/part_frame.h"
#include "model/part_record.h"

namespace morvane {

// Circles (or a circle and a line) that miss each other by at most a
// thousandth of their radii are made to touch.
constexpr double kSnapFactor = 1.001;
constexpr double kSnapTolerance = 0.001;

// Returned by PinPosByState when no slot carries the pin in the asked state.
constexpr double kNoPosition = -999999.0;

struct IntersectionResult {
  int32_t Count = 0;
  double X1 = 0.0;
  double Y1 = 0.0;
  double X2 = 0.0;
  double Y2 = 0.0;
  // The circles missed each other and were made to touch.
  bool Snapped = false;
};

IntersectionResult CircleIntersect(double x1, double y1, double r1, double x2, double y2, double r2);
IntersectionResult LineCircleIntersect(double cx, double cy, double r, double px, double py, double angleDeg);

// Where the first slot carrying the pin in that state stands, or
// (kNoPosition, kNoPosition).
Point PinPosByState(const Table& table, int partCount, int32_t pinId, PinStatus state);

// The part of the n-th slot (from 1) carrying the pin outside part `skip`;
// when there are fewer, the part of the last one, or -1 when there is none.
int NthPartWithPin(const Table& table, int partCount, int skip, int32_t pinId, int n);
// How many slots outside part `skip` carry the pin.
int CountSlotsWithPin(const Table& table, int partCount, int skip, int32_t pinId);

// The counting rule of NthPartWithPin, fed the part of each slot that
// carries the pin, in table and slot order.
class PinOccurrenceCounter {
 public:
  PinOccurrenceCounter(int skip, int n) : skip_(skip), n_(n) {}
  // True once the n-th slot outside `skip` has been taken.
  bool Take(int part);
  int LastPart() const { return last_; }
  int Count() const { return count_; }

 private:
  int skip_;
  int n_;
  int count_ = 0;
  int last_ = -1;
};

void SetPinState(Table& table, int partCount, int32_t pinId, PinStatus state);

}  // namespace morvane
