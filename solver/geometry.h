#pragma once

#include <cstdint>

#include "model/part_record.h"

namespace morvane {

constexpr double kDegToRad = 0.017453292519943295;
constexpr double kRadToDeg = 57.29577951308232;
// Returned by PinPosByState when no slot carries the pin in the asked state.
constexpr double kNoPosition = -999999.0;

struct Point {
  double X = 0.0;
  double Y = 0.0;
};

struct IntersectionResult {
  int32_t Count = 0;
  double X1 = 0.0;
  double Y1 = 0.0;
  double X2 = 0.0;
  double Y2 = 0.0;
};

double RotateXDeg(double cx, double cy, double x, double y, double angleDeg);
double RotateYDeg(double cx, double cy, double x, double y, double angleDeg);
void RotateRad(double x, double y, double cx, double cy, double angleRad, double& outX, double& outY);
double NormalizeAngle360(double angleDeg);
bool SamePoint(double x1, double y1, double x2, double y2);
bool NearPoint(double x1, double y1, double x2, double y2, double tolerance);
IntersectionResult CircleIntersect(double x1, double y1, double r1, double x2, double y2, double r2);
IntersectionResult LineCircleIntersect(double cx, double cy, double r, double px, double py, double angleDeg);

// Drawing rounds halves to the even neighbour.
int RoundHalfEven(double value);

// How far a piston's sliding end stands out: 0..180..0 over a turn of its phase.
double PistonOffset(double phase);
// The stroke term of any part: the piston offset for pistons, 0 otherwise.
double StrokeTerm(const PartRecord& part);

// Canvas position of the point (dx, dy) of the part's own frame.
Point WorldPoint(const PartRecord& part, double dx, double dy);
Point PinWorld(const PartRecord& part, int slot);
Point PenWorld(const PartRecord& part, int slot);

Point PinWorldPos(const Table& table, int partIndex, int slot);
Point PinPosByState(const Table& table, int partCount, int32_t pinId, int32_t state);
int FindPinSlotOfPart(const Table& table, int partIndex, double x, double y);
int SlotOfPin(const Table& table, int partIndex, int32_t pinId);
int FindPartWithPin(const Table& table, int partCount, int skip, int32_t pinId, int n);

// The counting rule of FindPartWithPin, fed the part of each slot that
// carries the pin, in table and slot order.
class PinOccurrenceCounter {
 public:
  PinOccurrenceCounter(int skip, int n) : skip_(skip), n_(n) {}
  // True once the n-th slot outside `skip` has been taken.
  bool Take(int part);
  int Result() const { return n_ >= 1 ? last_ : count_; }

 private:
  int skip_;
  int n_;
  int count_ = 0;
  int last_ = -1;
};
void SetPinState(Table& table, int partCount, int32_t pinId, int32_t state);

}  // namespace morvane
