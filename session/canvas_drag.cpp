#include "session/canvas_drag.h"

#include <cmath>

#include "model/catalogue.h"
#include "model/part_kind.h"
#include "model/slot_range.h"
#include "session/session.h"
#include "solver/geometry.h"

namespace morvane {

double DirectionDeg(Point from, double x, double y) { return std::atan2(y - from.Y, x - from.X) * kRadToDeg; }

Point SnapToHole(const PartRecord& part, double x, double y, double tolerance) {
  Point snapped{x, y};
  const auto consider = [&](double hx, double hy) {
    if (NearPoint(hx, hy, x, y, tolerance)) {
      snapped = {hx, hy};
    }
  };
  if (IsDisk(part.Kind)) {
    consider(part.X, part.Y);
  }
  const HoleList holes = HolesOf(part);
  for (int h = 0; h < holes.Count; ++h) {
    const Point p = WorldPoint(part, holes.Holes[h].X, holes.Holes[h].Y);
    consider(p.X, p.Y);
  }
  return snapped;
}

namespace {

void TurnOriginAbout(PartRecord& part, Point centre, double amountDeg) {
  const double x = part.X;
  part.X = RotateXDeg(centre.X, centre.Y, x, part.Y, amountDeg);
  part.Y = RotateYDeg(centre.X, centre.Y, x, part.Y, amountDeg);
}

// Asked for with this amount, a part on one pin turns back to angle 0.
constexpr double kBackToZero = 1000.0;

}  // namespace

void TurnPart(PartRecord& part, double amountDeg) {
  if (part.PinCount == 0) {
    part.Angle = amountDeg == 0.0 ? 0.0 : part.Angle + amountDeg;
  } else if (part.PinCount == 1) {
    const Point pin = PinWorld(part, 0);
    const double turn = amountDeg == kBackToZero ? -part.Angle : amountDeg;
    TurnOriginAbout(part, pin, turn);
    part.Angle += turn;
  }
  part.Angle = NormalizeAngle360(part.Angle);
}

int CountPinsAt(const ModelState& model, double x, double y) {
  int count = 0;
  for (const SlotRef at : PinSlots(model.PartTable, model.PartCount)) {
    const Point p = PinWorld(model.PartTable[at.Part], at.Slot);
    count += SamePoint(p.X, p.Y, x, y) ? 1 : 0;
  }
  return count;
}

int NthPartWithPinAt(const ModelState& model, int k, double x, double y) {
  for (const SlotRef at : PinSlots(model.PartTable, model.PartCount)) {
    const Point p = PinWorld(model.PartTable[at.Part], at.Slot);
    if (SamePoint(p.X, p.Y, x, y) && k-- == 0) {
      return at.Part;
    }
  }
  return -1;
}

namespace {

Point RoundedOrigin(const PartRecord& part) { return {double(RoundHalfEven(part.X)), double(RoundHalfEven(part.Y))}; }

// The mode of a part grabbed on its single movable pin: with the part that
// shares the pin, if exactly one other does, as the neighbour.
DragMode ModeOnMovablePin(const ModelState& model, int part, Point pin, int& neighbour) {
  if (CountPinsAt(model, pin.X, pin.Y) >= 3) {
    return DragMode::OnPin;
  }
  neighbour = NthPartWithPinAt(model, 0, pin.X, pin.Y);
  if (neighbour == part) {
    neighbour = NthPartWithPinAt(model, 1, pin.X, pin.Y);
  }
  if (neighbour < 0) {
    return DragMode::OnPin;
  }
  switch (model.PartTable[neighbour].PinCount) {
    case 1: return DragMode::WithLoneNeighbour;
    case 2: return DragMode::WithHingedNeighbour;
    default: return DragMode::OnPin;
  }
}

}  // namespace

bool Session::Grab(int part, double x, double y) {
  if (drag_.Mode != DragMode::Idle || part < 0 || part >= model_->PartCount) {
    return false;
  }
  PartRecord& grabbed = model_->PartTable[part];
  const Point grip = SnapToHole(grabbed, x, y, kDragSnap);
  drag_ = {};
  drag_.Index = part;
  drag_.Pointer = {x, y};
  drag_.GrabOffset = {grabbed.X - grip.X, grabbed.Y - grip.Y};
  drag_.Stroke = IsPiston(grabbed.Kind) && OnPistonSlider(grabbed, x, y);
  if (grabbed.PinCount >= 2) {
    drag_.Mode = DragMode::Held;
    return false;
  }
  const bool onAxle = grabbed.PinCount == 1 && grabbed.PinState[0] != PinStatus::Movable &&
                      grabbed.Kind < kFirstKindWithoutAxle;
  if (grabbed.PinCount == 0 || onAxle) {
    drag_.Mode = DragMode::Loose;
    drag_.GrabAngle = DirectionDeg(RoundedOrigin(grabbed), x, y);
  } else {
    const Point pin = PinWorld(grabbed, 0);
    drag_.GrabAngle = DirectionDeg(pin, x, y);
    drag_.Mode = grabbed.PinState[0] == PinStatus::Movable ? ModeOnMovablePin(*model_, part, pin, drag_.Neighbour)
                                                           : DragMode::OnPin;
  }
  grabbed.Selected = true;
  if (drag_.Mode == DragMode::WithLoneNeighbour || drag_.Mode == DragMode::WithHingedNeighbour) {
    model_->PartTable[drag_.Neighbour].Selected = true;
  }
  return true;
}

bool Session::Release() {
  const DragMode mode = drag_.Mode;
  if (mode == DragMode::Idle || mode == DragMode::Palette) {
    return false;
  }
  LetGo();
  if (mode == DragMode::Held) {
    return false;
  }
  RecordEdit();
  return true;
}

void Session::LetGo() {
  if (drag_.Mode == DragMode::Palette) {
    --model_->PartCount;
  } else if (drag_.Mode != DragMode::Idle) {
    model_->PartTable[drag_.Index].Selected = false;
    if (drag_.Neighbour >= 0) {
      model_->PartTable[drag_.Neighbour].Selected = false;
    }
  }
  drag_ = {};
}

}  // namespace morvane
