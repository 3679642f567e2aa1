// Mechanisms shown by the curve a point draws: a pantograph copying a
// four-bar's coupler curve at twice its size, and Klann's walking leg. Each
// is laid out in the pose it has at track position 0.

#include "examples/classic_models.h"
#include "examples/linkage_building.h"
#include "model/part_kind.h"

namespace morvane::examples {

// A four-bar (crank 60, ground 210, rocker 240) whose coupler is an L plate:
// crank pin at (180, 0), rocker pin at the corner, coupler point at
// (0, -180). A pantograph copies that point's curve at twice its size about
// its fixed pin: a bar of 320 from the fixed pin, marked at its middle, a bar
// of 200 from its end, and two links that close a parallelogram, 200 and 160.
// The stylus, the middle of the 200 link, rides on the coupler point; the
// pen at the far corner of the parallelogram stands on the line from the
// fixed pin through the stylus, twice as far out.
void Pantograph(Session& session) {
  const Point crankAxle{430, 560};
  const Point rockerPivot{crankAxle.X + 210, crankAxle.Y};
  const Point fixedPin{crankAxle.X + 70, crankAxle.Y - 180};
  const Point crankPin = Polar(crankAxle, 60, 0);
  const Point rockerPin = Apex(crankPin, 180, rockerPivot, 240, Side::Anticlockwise);
  AddPartAt(session, DiskActive1, crankAxle);
  const int coupler = AddPartOnHoles(session, Lgata3, {180, 0}, crankPin, {}, rockerPin);
  AddRod(session, RodPassive2, rockerPivot, rockerPin);
  const Point stylus = HoleOf(session, coupler, {0, -180});
  const Point middle = Apex(fixedPin, 160, stylus, 100, Side::Clockwise);
  const Point elbow = Between(fixedPin, middle, 2);
  const Point corner = Between(middle, stylus, 2);
  const Point copy{elbow.X + corner.X - middle.X, elbow.Y + corner.Y - middle.Y};
  AddRod(session, RodPassive3, fixedPin, elbow);
  AddRod(session, RodPassive2, elbow, copy);
  AddRod(session, RodPassive2, middle, corner);
  AddRod(session, RodPassive1, copy, corner);
  JoinAt(session, {crankPin, rockerPin});
  FixAt(session, {rockerPivot, fixedPin});
  JoinAt(session, {stylus, middle, elbow, corner, copy});
  DropAt(session, PenBlack, stylus);
  DropAt(session, PenRed, copy);
}

// Klann's leg, scaled from the proportions of an optimised Klann leg
// (crank 17.5, connecting link 38.8 + 35.2, upper rocker 23.7, lower rocker
// 34.1, leg 57.7, 59 and 111.7) to a crank of 40 and brought to the holes:
// a straight connecting link of 100 + 80, rockers of 60 and 80, and a leg cut
// from the large triangle plate with its holes at (0, -100), (80, 0) and the
// foot at (200, 0), sides 128.1, 120 and 223.6. No length is more than 13 %
// from the scaled one; the fixed pivots, at (-101.9, 31.4) and (-29, -68.1)
// from the crank's axle, were moved to give the foot back its flat stride.
void KlannLeg(Session& session) {
  const Point knee{0, -100};
  const Point hip{80, 0};
  const Point foot{200, 0};
  const Point crankAxle{740, 500};
  const Point upperPivot{crankAxle.X - 101.9, crankAxle.Y + 31.4};
  const Point lowerPivot{crankAxle.X - 29, crankAxle.Y - 68.1};
  const Point crankPin = Polar(crankAxle, 40, 0);
  const Point rockerPin = Apex(crankPin, 100, upperPivot, 60, Side::Clockwise);
  const Point hipPin = Between(crankPin, rockerPin, 1.8);
  const Point kneePin = Apex(hipPin, Distance(hip, knee), lowerPivot, 80, Side::Anticlockwise);
  AddPartAt(session, DiskActive1, crankAxle);
  AddRod(session, RodPassive2, crankPin, hipPin);
  AddRod(session, RodPassive1, upperPivot, rockerPin);
  AddRod(session, RodPassive1, lowerPivot, kneePin);
  const int leg = AddPartOnHoles(session, Triangle3, knee, kneePin, hip, hipPin);
  JoinAt(session, {crankPin, rockerPin, hipPin, kneePin});
  FixAt(session, {upperPivot, lowerPivot});
  DropAt(session, PenRed, HoleOf(session, leg, foot));
}

}  // namespace morvane::examples
