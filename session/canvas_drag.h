#pragma once

// The state of a drag on the palette or the canvas and the moves it makes.
//
// A part grabbed on the canvas moves or turns by the pins it carries: one
// without pins (or a disk or power rod on its axle alone) follows the pointer,
// snapping a hole onto a hole of the part beneath or its origin onto the
// grid, and turns about its origin with Shift; one hanging on a single pin
// turns about that pin, and with Shift takes along the neighbour on that pin
// (moving both when the neighbour hangs on nothing else, turning both about
// the neighbour's other pin when it has one); one on two or more pins stays.
// No canvas edit runs the solver: only the grabbed part and its neighbour move.

#include "model/model_state.h"
#include "model/part_frame.h"

namespace morvane {

enum class DragMode {
  Idle = -1,
  // The grabbed part carries two or more pins and cannot be dragged.
  Held = 0,
  // A new record from the palette.
  Palette = 1,
  // No pins, or a disk or power rod on its axle alone.
  Loose = 2,
  // Turning about the single pin.
  OnPin = 3,
  // On a movable pin whose other part carries that pin alone.
  WithLoneNeighbour = 4,
  // The same when the other part carries two pins.
  WithHingedNeighbour = 5,
};

struct CanvasDrag {
  DragMode Mode = DragMode::Idle;
  int Index = -1;
  int Neighbour = -1;
  // The pointer at the last event.
  Point Pointer;
  // The part's origin minus the snapped grab point.
  Point GrabOffset;
  // Grabbed on a piston's head or rod: the stroke follows the pointer.
  bool Stroke = false;
  // The pointer's direction about the turning centre, degrees.
  double GrabAngle = 0.0;
};

// Direction of (x, y) seen from `from`, in degrees.
double DirectionDeg(Point from, double x, double y);

// The pointer point snapped to the last hole of the part (its centre first for
// disks) within `tolerance` in both coordinates; the point itself when none.
Point SnapToHole(const PartRecord& part, double x, double y, double tolerance);

// How near, in pixels and in both coordinates, the pointer has to come to a
// hole for it to count. A drag grips the grabbed part at a hole and lands it,
// or a new part from the palette, on a hole of the part beneath. When a part
// on one pin is turned against another on one pin, the hole of the part beneath
// is looked for further off, so that the two can be brought together before
// the pointer is on both. The popup menu and the property window name the pin
// or pen right under the click.
constexpr double kDragSnap = 8;
constexpr double kJoinSnapBeneath = 12;
constexpr double kClickSnap = 5;

// Turns a part: without pins about its origin (an amount of exactly 0 sets the
// angle to 0), on one pin about that pin (1000 turns it back to angle 0), on
// two or more not at all; the angle is brought into [0, 360).
void TurnPart(PartRecord& part, double amountDeg);

// How many pin slots of all parts stand at the point, and the part of the
// k-th of them (from 0), or -1.
int CountPinsAt(const ModelState& model, double x, double y);
int NthPartWithPinAt(const ModelState& model, int k, double x, double y);

}  // namespace morvane
