// The joint of two parts at a pin whose new place is not yet known.
//
// The first part turns about the moving pin, so the joint lies on the circle
// about the pin's new place with the first part's pin-to-joint distance. The
// second part turns about its one known pin (its anchor), so the joint also
// lies on the circle about the anchor with the anchor-to-joint distance; for a
// piston the second locus is the line of its axis instead. Of the two
// intersections the one whose direction from the moving pin is nearer the
// old direction of the joint is taken, so a mechanism keeps its branch.
//
// Near a dead point the circles miss, and the intersection snaps them shut
// within a thousandth of their radii: the first part's end then stands at the
// tangent point, the second part's end short of it, and the joint is open by
// the miss. The second circle's radius is measured from the anchor to the
// first part's end, so the next step takes that opening for part of the
// second part's length and snaps another thousandth beyond it; step by step
// the joint would open until the half-pixel test of the rigid turn stopped
// it. So a placed joint may stand open by one snap at most, or by no more
// than it already stood open (a model saved open keeps moving). A piston's
// line is not measured from the joint and has no such drift; its joint opens
// only where its stroke may overshoot.

#include <algorithm>
#include <cmath>

#include "model/part_kind.h"
#include "solver/rigid_placement.h"
#include "solver/solver_steps.h"
#include "solver/solver_texts.h"

namespace morvane::solver_steps {

namespace text = solver_texts;

namespace {

struct Anchor {
  int Slot = -1;
  Point At;
};

double Distance(Point a, Point b) { return std::sqrt((a.X - b.X) * (a.X - b.X) + (a.Y - b.Y) * (a.Y - b.Y)); }

double Direction(Point from, Point to) { return std::atan2(to.Y - from.Y, to.X - from.X) * kRadToDeg; }

// The first slot of the part in a known state. A fixed slot stands where it
// is; a temporarily fixed one must go where its pin is fixed elsewhere. A
// piston slides along its axis and may have none: its centre stands in.
Anchor AnchorOf(const ModelState& model, int q) {
  const PartRecord& part = model.WorkTable[q];
  for (int s = 0; s < part.PinCount; ++s) {
    if (part.PinState[s] == PinStatus::Fixed) {
      return {s, PinWorld(part, s)};
    }
    if (part.PinState[s] == PinStatus::HeldInStep) {
      return {s, PinPosByState(model.WorkTable, model.PartCount, part.PinId[s], PinStatus::Fixed)};
    }
  }
  return {-1, {part.X, part.Y}};
}

bool Finite(const IntersectionResult& cut) {
  return std::isfinite(cut.X1) && std::isfinite(cut.Y1) && std::isfinite(cut.X2) && std::isfinite(cut.Y2);
}

double AngularGap(double direction, double reference) {
  const double gap = std::fabs(direction - reference);
  return gap > 180.0 ? std::fabs(360.0 - gap) : gap;
}

Point NearerBranch(const IntersectionResult& cut, Point centre, double oldDirection) {
  const Point one{cut.X1, cut.Y1};
  const Point two{cut.X2, cut.Y2};
  return AngularGap(Direction(centre, one), oldDirection) < AngularGap(Direction(centre, two), oldDirection) ? one
                                                                                                           : two;
}

// Rounding aside, a joint that stood open before the step.
constexpr double kRoundingSlack = 1e-9;

struct JointOpening {
  bool Check = false;
  double Allowed = 0;
};

// How far the joint may stand open once the second part, reaching from its
// anchor to its end of the joint, is placed: one snap of the two circles, or
// as far as it stood open already.
JointOpening OpeningBefore(const PartRecord& second, const Anchor& anchor, int secondSlot, Point jointNow,
                           double r1) {
  const Point end = PinWorld(second, secondSlot);
  const double reach = Distance(PinWorld(second, anchor.Slot), end);
  return {true, std::max(kSnapTolerance * (r1 + reach), Distance(jointNow, end) + kRoundingSlack)};
}

int NoMeeting(MoveSolver& solver, int first, int second, const PinMove& move, double r1, const Anchor& anchor,
              double r2) {
  Note(solver, text::NoIntersection, first, second);
  Note(solver, text::Circles, move.New.X, move.New.Y, r1, anchor.At.X, anchor.At.Y, r2);
  return Refuse(solver, text::RodLength, kMoveNoIntersection);
}

bool PlaceSecondPart(PartRecord& part, const Anchor& anchor, int jointSlot, Point target) {
  if (!IsPiston(part.Kind)) {
    return TurnIntoPlace(part, anchor.Slot, PinWorld(part, anchor.Slot), anchor.At, jointSlot, target);
  }
  const double stroke = Distance({part.X, part.Y}, target) - part.PinX[jointSlot];
  // Open limits here, unlike those of the first part's piston case.
  if (!(stroke > kLeastStroke && stroke < kGreatestStroke)) {
    return false;
  }
  part.Size = solver_steps::StrokeWithinTravel(stroke);
  return true;
}

}  // namespace

int SolveJoint(MoveSolver& solver, int first, int second, int slot, const PinMove& move) {
  ModelState& model = solver.Model;
  const PartRecord& p = model.WorkTable[first];
  const PartRecord& q = model.WorkTable[second];
  const int32_t joint = p.PinId[slot];
  const int secondSlot = SlotOfPin(q, joint);
  const Point jointNow = PinWorld(p, slot);
  const Anchor anchor = AnchorOf(model, second);
  const bool piston = IsPiston(q.Kind);
  const double r1 = Distance(move.Old, jointNow);
  const double r2 = anchor.Slot >= 0 ? Distance(PinWorld(q, anchor.Slot), jointNow) : 0.0;
  const double oldDirection = NormalizeAngle360(Direction(move.Old, jointNow));

  IntersectionResult cut = piston ? LineCircleIntersect(move.New.X, move.New.Y, r1, q.X, q.Y, q.Angle)
                                  : CircleIntersect(move.New.X, move.New.Y, r1, anchor.At.X, anchor.At.Y, r2);
  // Mobility 1 promises an anchor to every part but a piston; without one, or
  // with a point that is not finite, there is nothing to place the parts on.
  if (!Finite(cut) || (!piston && anchor.Slot < 0)) {
    cut.Count = 0;
  }
  if (cut.Count == 0) {
    return NoMeeting(solver, first, second, move, r1, anchor, r2);
  }
  const Point target = NearerBranch(cut, move.New, oldDirection);
  const PartRecord firstBefore = p;
  const PartRecord secondBefore = q;
  // Only a snap can open a joint wider than it stood.
  const JointOpening opening = cut.Snapped && !piston ? OpeningBefore(q, anchor, secondSlot, jointNow, r1)
                                                       : JointOpening{};
  if (!TurnIntoPlace(Edit(solver, first), MovingSlot(solver, first, move), move.Old, move.New, slot, target)) {
    Note(solver, text::FirstPlacementFailed, first, second);
    return Refuse(solver, text::RodLength, kMoveFirstPartMisplaced);
  }
  if (!PlaceSecondPart(Edit(solver, second), anchor, secondSlot, target)) {
    Note(solver, text::SecondPlacementFailed, first, second);
    return Refuse(solver, piston ? text::PistonRodLength : text::RodLength, kMoveSecondPartMisplaced);
  }
  if (opening.Check && Distance(PinWorld(model.WorkTable[first], slot),
                                 PinWorld(model.WorkTable[second], secondSlot)) > opening.Allowed) {
    return NoMeeting(solver, first, second, move, r1, anchor, r2);
  }
  Edit(solver, first).Settled = SettleState::Placed;
  Edit(solver, second).Settled = SettleState::Placed;
  CommitPart(solver, first);
  CommitPart(solver, second);
  Note(solver, text::PairMoved, first, second);
  const int result = PropagateFrom(solver, first, firstBefore);
  return result != kMoveDone ? result : PropagateFrom(solver, second, secondBefore);
}

}  // namespace morvane::solver_steps
