// Four-bar machines of the textbooks: the quick return, the windscreen
// wiper, the drag link, the change point, and the slider crank of a sewing
// machine's needle. Each is laid out in the pose it has at track position 0.

#include <cmath>

#include "examples/classic_models.h"
#include "examples/linkage_building.h"
#include "model/part_kind.h"

namespace morvane::examples {

// A crank-rocker whose forward swing takes longer than its return: crank 60,
// coupler 120, rocker 260, ground 230. The crank turns through 216.1 degrees
// while the rocker swings one way and 143.9 while it swings back, a time
// ratio of 1.50; the smallest transmission angle is 31.7 degrees. The pen is
// on the rocker's tip, 320 from its pivot.
void QuickReturn(Session& session) {
  const Point crankAxle{570, 560};
  const FourBarParts bar = AddFourBar(session, {{DiskActive1, crankAxle, 60, 0}, RodPassive1, 120, RodPassive3,
                                                {crankAxle.X + 230, crankAxle.Y}, 260, Side::Anticlockwise});
  DropAt(session, PenRed, HoleOf(session, bar.Rocker, {320, 0}));
}

// A windscreen wiper: two arms pivoted 400 apart, tied 40 above their pivots
// by a bar as long as the pivots are apart, so that they stay parallel. A
// crank of 70 swings the first arm through a rod of 240 on its end 100 below
// the pivot, 45 degrees either side of upright.
void WindscreenWiper(Session& session) {
  const Point pivot1{450, 540};
  const Point pivot2{pivot1.X + 400, pivot1.Y};
  const Point driven = AddRockerDrive(session, {{DiskActive1, {pivot1.X + 240, pivot1.Y + 100}, 70, 270},
                                                RodPassive2, 240, pivot1, 100, Side::Clockwise});
  const int arm1 = AddRod(session, RodPassive4, driven, pivot1);
  const int arm2 = AddRod(session, RodPassive4, {driven.X + pivot2.X - pivot1.X, driven.Y}, pivot2);
  const Point tie1 = HoleOf(session, arm1, {140, 0});
  const Point tie2 = HoleOf(session, arm2, {140, 0});
  AddRod(session, RodPassive4, tie1, tie2);
  JoinAt(session, {driven});
  FixAt(session, {pivot1, pivot2});
  JoinAt(session, {tie1, tie2});
  DropAt(session, PenRed, HoleOf(session, arm1, {400, 0}));
  DropAt(session, PenBlue, HoleOf(session, arm2, {400, 0}));
}

// A drag link: the ground, 50, is the shortest link, so both the crank, 110,
// and the follower, 100, turn the whole way, joined by a coupler of 100. The
// follower turns unevenly while the crank turns evenly; its pen draws the
// follower's circle. The smallest transmission angle is 34.9 degrees.
void DragLink(Session& session) {
  const Point crankAxle{590, 480};
  const FourBarParts bar = AddFourBar(session, {{DiskActive3, crankAxle, 110, 90}, RodPassive1, 100, RodPassive2,
                                                {crankAxle.X + 50, crankAxle.Y}, 100, Side::Anticlockwise});
  DropAt(session, PenRed, HoleOf(session, bar.Rocker, {200, 0}));
}

// A change-point four-bar: crank 60, coupler 160, rocker 120, ground 100,
// so that the shortest and longest together equal the other two. Once a turn,
// when the crank points along the ground towards the rocker, all four links
// lie on one line and the mechanism may go on either way.
void ChangePoint(Session& session) {
  const Point crankAxle{520, 460};
  const FourBarParts bar = AddFourBar(session, {{DiskActive1, crankAxle, 60, 180}, RodPassive2, 160, RodPassive1,
                                                {crankAxle.X + 100, crankAxle.Y}, 120, Side::Anticlockwise});
  DropAt(session, PenRed, HoleOf(session, bar.Coupler, {240, 0}));
}

// The needle of a sewing machine: an in-line slider crank standing upright,
// crank 60 and connecting rod 200 above the needle bar, a piston whose
// sliding end carries the needle. The needle's stroke is twice the crank.
void SewingNeedle(Session& session) {
  const double crank = 60;
  const double rod = 200;
  const Point crankAxle{640, 230};
  const Point crankPin = Polar(crankAxle, crank, 0);
  const Point joint{crankAxle.X, crankAxle.Y + std::sqrt(rod * rod - crank * crank)};
  // The piston stands at its default phase of 90, its sliding end 90 out.
  const double jointHole = 240 + 60 + 90;
  AddPartAt(session, DiskActive1, crankAxle);
  AddRod(session, RodPassive2, crankPin, joint);
  AddPartAt(session, PistonPassive, {joint.X, joint.Y + jointHole}, -90);
  JoinAt(session, {crankPin, joint});
  DropAt(session, PenRed, {joint.X, joint.Y + 60});
}

}  // namespace morvane::examples
