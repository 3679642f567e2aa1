// The five moves of a canvas drag, chosen by the drag mode and Shift.

#include <cmath>

#include "model/catalogue.h"
#include "model/part_kind.h"
#include "session/session.h"
#include "solver/geometry.h"

namespace morvane {

namespace {

// The track position at which a turning power part stands at this angle.
int32_t TrackPositionOf(double angleDeg) { return RoundHalfEven(NormalizeAngle360(angleDeg) * 10); }

double Distance(Point a, Point b) { return std::hypot(a.X - b.X, a.Y - b.Y); }

bool SameAsPointer(Point p, double x, double y) { return p.X == x && p.Y == y; }

// The piston's stroke follows the pointer along the screen axis nearest to
// the piston's direction, within the stroke's range.
void DragStroke(PartRecord& piston, Point previous, double x, double y) {
  const double a = NormalizeAngle360(piston.Angle);
  double d = 0.0;
  if (a < 45 || a >= 315) {
    d = previous.X - x;
  } else if (a < 135) {
    d = previous.Y - y;
  } else if (a < 225) {
    d = x - previous.X;
  } else {
    d = y - previous.Y;
  }
  const double size = piston.Size - d;
  if (size >= 0 && size <= kPistonStroke) {
    piston.Size = size;
  }
}

// Where the grabbed part's origin goes: its grab point onto a hole of the part
// beneath, or else onto the grid, keeping the grab offset.
Point MovedOrigin(const ModelState& model, const CanvasDrag& drag, double x, double y, int underPointer) {
  if (underPointer >= 0 && underPointer < model.PartCount) {
    const Point hole = SnapToHole(model.PartTable[underPointer], x, y, kDragSnap);
    return {hole.X + drag.GrabOffset.X, hole.Y + drag.GrabOffset.Y};
  }
  return {SnapToGrid(x + drag.GrabOffset.X), SnapToGrid(y + drag.GrabOffset.Y)};
}

// Turns the part on its single pin so that its point `from` comes to `to`.
void TurnPointOnto(PartRecord& part, Point pin, Point from, Point to) {
  TurnPart(part, DirectionDeg(pin, to.X, to.Y) - DirectionDeg(pin, from.X, from.Y));
}

// Both parts' holes near the pointer are brought together where the circles
// about their pins through those holes meet. False when there is nothing to join.
bool JoinHoles(ModelState& model, CanvasDrag& drag, double x, double y, int other) {
  if (other < 0 || other >= model.PartCount || model.PartTable[other].PinCount != 1) {
    return false;
  }
  PartRecord& grabbed = model.PartTable[drag.Index];
  PartRecord& beneath = model.PartTable[other];
  const Point g1 = SnapToHole(grabbed, x, y, kDragSnap);
  const Point g2 = SnapToHole(beneath, x, y, kJoinSnapBeneath);
  if (SameAsPointer(g1, x, y) || SameAsPointer(g2, x, y)) {
    return false;
  }
  const Point p1 = PinWorld(grabbed, 0);
  const Point p2 = PinWorld(beneath, 0);
  const IntersectionResult cut = CircleIntersect(p1.X, p1.Y, Distance(g1, p1), p2.X, p2.Y, Distance(g2, p2));
  if (cut.Count > 0) {
    const Point one{cut.X1, cut.Y1};
    const Point two{cut.X2, cut.Y2};
    const Point meet = Distance(one, {x, y}) <= Distance(two, {x, y}) ? one : two;
    TurnPointOnto(grabbed, p1, g1, meet);
    TurnPointOnto(beneath, p2, g2, meet);
    drag.GrabAngle = DirectionDeg(p1, x, y);
  }
  return true;
}

void TurnAboutPin(ModelState& model, CanvasDrag& drag, double x, double y, int underPointer) {
  if (JoinHoles(model, drag, x, y, underPointer)) {
    return;
  }
  PartRecord& part = model.PartTable[drag.Index];
  const double angle = DirectionDeg(PinWorld(part, 0), x, y);
  TurnPart(part, angle - drag.GrabAngle);
  drag.GrabAngle = angle;
}

// The neighbour's pin that is not shared with the grabbed part.
Point OtherPinOfNeighbour(const PartRecord& grabbed, const PartRecord& neighbour) {
  const Point shared = PinWorld(grabbed, 0);
  const Point first = PinWorld(neighbour, 0);
  return SamePoint(shared.X, shared.Y, first.X, first.Y) ? PinWorld(neighbour, 1) : first;
}

// A loose part follows the pointer, or a piston gripped on its head strokes.
void SlideLoose(ModelState& model, const CanvasDrag& drag, double x, double y, int underPointer) {
  PartRecord& part = model.PartTable[drag.Index];
  if (drag.Stroke) {
    DragStroke(part, drag.Pointer, x, y);
    return;
  }
  const Point origin = MovedOrigin(model, drag, x, y, underPointer);
  part.X = origin.X;
  part.Y = origin.Y;
}

// With Shift, the part and its neighbour on a lone pin move together.
void SlideWithNeighbour(ModelState& model, const CanvasDrag& drag, double x, double y, int underPointer) {
  PartRecord& part = model.PartTable[drag.Index];
  PartRecord& neighbour = model.PartTable[drag.Neighbour];
  const Point origin = MovedOrigin(model, drag, x, y, underPointer);
  neighbour.X += origin.X - part.X;
  neighbour.Y += origin.Y - part.Y;
  part.X = origin.X;
  part.Y = origin.Y;
}

// With Shift, the part and its hinged neighbour turn together about the
// neighbour's other pin; a power part among them takes the track bar along.
void SwingWithNeighbour(ModelState& model, const CanvasDrag& drag, double x, double y) {
  PartRecord& part = model.PartTable[drag.Index];
  PartRecord& neighbour = model.PartTable[drag.Neighbour];
  const Point pivot = OtherPinOfNeighbour(part, neighbour);
  const double turn = DirectionDeg(pivot, x, y) - DirectionDeg(pivot, drag.Pointer.X, drag.Pointer.Y);
  for (PartRecord* turned : {&part, &neighbour}) {
    const double x0 = turned->X;
    turned->X = RotateXDeg(pivot.X, pivot.Y, x0, turned->Y, turn);
    turned->Y = RotateYDeg(pivot.X, pivot.Y, x0, turned->Y, turn);
    turned->Angle += turn;
    if (turned->Kind < kFirstKindWithoutPowerAxle) {
      SetTrackPositionQuietly(model, TrackPositionOf(turned->Angle));
    }
  }
}

}  // namespace

// With Shift, a loose part turns about its origin; a power part on its axle
// is driven there instead, so the mechanism follows or refuses.
Reply Session::TurnLoose(double x, double y) {
  PartRecord& part = model_->PartTable[drag_.Index];
  const double angle = DirectionDeg({part.X, part.Y}, x, y);
  Reply refusal;
  if (part.Kind < kFirstKindWithoutPowerAxle) {
    const DriveResult result = DriveTo(TrackPositionOf(angle));
    if (result.Status == DriveStatus::Refused) {
      refusal = Notice{Notice::Style::Plain, Text(result.RefusalText)};
    }
  } else {
    TurnPart(part, angle - drag_.GrabAngle);
  }
  drag_.GrabAngle = angle;
  return refusal;
}

Reply Session::DragTo(double x, double y, bool shift, int underPointer) {
  const DragMode mode = drag_.Mode;
  if (mode == DragMode::Idle || mode == DragMode::Held || mode == DragMode::Palette) {
    return std::nullopt;
  }
  Reply refusal;
  if (mode == DragMode::Loose && !shift) {
    SlideLoose(*model_, drag_, x, y, underPointer);
  } else if (mode == DragMode::Loose) {
    refusal = TurnLoose(x, y);
  } else if (mode == DragMode::WithLoneNeighbour && shift) {
    SlideWithNeighbour(*model_, drag_, x, y, underPointer);
  } else if (mode == DragMode::WithHingedNeighbour && shift) {
    SwingWithNeighbour(*model_, drag_, x, y);
  } else {
    TurnAboutPin(*model_, drag_, x, y, underPointer);
  }
  drag_.Pointer = {x, y};
  return refusal;
}

}  // namespace morvane
