// The straight-line linkages of the textbooks, in the proportions their
// inventors gave, each laid out in the pose it has at track position 0. The
// double rockers among them cannot turn a crank of their own, so a crank
// rocks one of their rockers through one more rod, as in a machine.

#include "examples/classic_models.h"
#include "examples/linkage_building.h"
#include "model/part_kind.h"

namespace morvane::examples {

// Hoekens: crank 1, ground 2, coupler 2.5, rocker 2.5, the pen on the coupler
// carried on to 5 from the crank pin; one crank length is 80 pixels. The pen
// runs along a line parallel to the ground, twice the ground above it, while
// the crank turns from 90 to 270 degrees.
void Hoekens(Session& session) {
  const Point crankAxle{510, 640};
  const FourBarParts bar = AddFourBar(session, {{DiskActive2, crankAxle, 80, 0}, RodPassive4, 200, RodPassive2,
                                                {crankAxle.X + 160, crankAxle.Y}, 200, Side::Anticlockwise});
  DropAt(session, PenRed, Between(bar.CrankPin, bar.RockerPin, 2));
}

// Chebyshev: ground 4, rockers 5 crossed, coupler 2 with the pen at its
// middle; 2 units are 80 pixels. A crank of 80, 170 up and 170 left of the
// first rocker's pivot, rocks that rocker through a rod of 240 on its hole at
// 220, between 47.1 and 94.6 degrees above the ground, inside the stretch
// where the pen runs straight.
void Chebyshev(Session& session) {
  const Point pivot1{680, 600};
  const CouplerEnds coupler = AddDrivenDoubleRocker(
      session, {{{DiskActive2, {pivot1.X - 170, pivot1.Y - 170}, 80, 0}, RodPassive2, 240, pivot1, 220, Side::Clockwise},
                200, {pivot1.X + 160, pivot1.Y}, 200, RodPassive1, 80, Side::Clockwise});
  DropAt(session, PenRed, Between(coupler.First, coupler.Second, 0.5));
}

// Watt: two rockers of 240 pivoted at opposite ends, a coupler of 120 across
// them with the pen at its middle (rockers twice the coupler). A crank of 60,
// 120 right of and 270 below the first pivot, rocks that rocker through a rod
// of 280 on its hole at 200, 18 degrees either side of level, over which the
// pen runs up and down a line.
void Watt(Session& session) {
  const Point pivot1{400, 350};
  const CouplerEnds coupler = AddDrivenDoubleRocker(
      session, {{{DiskActive1, {pivot1.X + 120, pivot1.Y + 270}, 60, 0}, RodPassive3, 280, pivot1, 200,
                 Side::Anticlockwise},
                240, {pivot1.X + 480, pivot1.Y + 120}, 240, RodPassive1, 120, Side::Clockwise});
  DropAt(session, PenRed, Between(coupler.First, coupler.Second, 0.5));
}

// Roberts: the coupler is a triangle whose apex, the pen, stands as far from
// both base corners as the rockers are long, its base half the ground. The
// large triangle plate gives base corners at (60, -140) and (0, -40) and the
// apex at (180, 0): base 116.6, sides 184.4, so the ground is 233.2 and each
// rocker an L plate with holes 184.4 apart, at (0, -120) and (140, 0); the
// rockers are 0.79 of the ground. A crank of 40 rocks the first rocker
// through a rod of 260 on its hole at (40, 0), from 52 to 88 degrees below
// the ground, while the apex runs along the ground line.
void Roberts(Session& session) {
  const Point baseLeft{60, -140};
  const Point baseRight{0, -40};
  const Point rockerPivot{0, -120};
  const Point rockerEnd{140, 0};
  const Point rockerDriven{40, 0};
  const double ground = 2 * Distance(baseLeft, baseRight);
  const Point crankAxle{410, 440};
  const Point pivot1{crankAxle.X + 390 - ground / 2, crankAxle.Y - 50};
  const Point pivot2{pivot1.X + ground, pivot1.Y};
  const Point driven = AddRockerDrive(session, {{DiskActive1, crankAxle, 40, 0}, RodPassive3, 260, pivot1,
                                                Distance(rockerPivot, rockerDriven), Side::Anticlockwise});
  const int leftRocker = AddPartOnHoles(session, Lgata2, rockerPivot, pivot1, rockerDriven, driven);
  const Point left = HoleOf(session, leftRocker, rockerEnd);
  const Point right = Apex(left, ground / 2, pivot2, Distance(rockerPivot, rockerEnd), Side::Clockwise);
  AddPartOnHoles(session, Lgata2, rockerPivot, pivot2, rockerEnd, right);
  const int coupler = AddPartOnHoles(session, Triangle3, baseLeft, left, baseRight, right);
  JoinAt(session, {driven, left, right});
  FixAt(session, {pivot1, pivot2});
  DropAt(session, PenRed, HoleOf(session, coupler, {180, 0}));
}

// Hart's inversor, the exact straight line of four bars: a crossed
// parallelogram of long bars 400 and short bars 200, every bar marked at its
// middle. Those four marks stay on one line, and the product of the
// distances from the short bar's mark, pinned to the ground, to the two long
// bars' marks is constant ((400^2 - 200^2) / 4 = 30000). An arm of 140
// pivoted 140 from the fixed mark carries one long bar's mark round a circle
// through it, so the other long bar's mark runs along a line 107.1 from the
// fixed mark. A crank of 90 rocks the arm through a rod of 400 on its hole at
// 160, between 59 and 128 degrees.
void HartInversor(Session& session) {
  const Point fixedMark{380, 320};
  const Point armPivot{fixedMark.X + 140, fixedMark.Y};
  const Point driven = AddRockerDrive(session, {{DiskActive2, {fixedMark.X + 530, fixedMark.Y + 90}, 90, 90},
                                                RodPassive4, 400, armPivot, 160, Side::Clockwise});
  const Point circling = Between(armPivot, driven, 140.0 / 160);
  const Point a = Apex(circling, 200, fixedMark, 100, Side::Anticlockwise);
  const Point b = Between(a, fixedMark, 2);
  const Point d = Between(a, circling, 2);
  const Point c = Apex(b, 400, d, 200, Side::Clockwise);
  AddRod(session, RodPassive2, armPivot, driven);
  AddRod(session, RodPassive2, a, b);
  AddRod(session, RodPassive4, a, d);
  AddRod(session, RodPassive4, c, b);
  AddRod(session, RodPassive2, c, d);
  JoinAt(session, {driven, circling, a, b, c, d});
  FixAt(session, {armPivot, fixedMark});
  DropAt(session, PenRed, Between(c, b, 0.5));
}

}  // namespace morvane::examples
