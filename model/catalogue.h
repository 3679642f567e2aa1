#pragma once

#include <cstdint>
#include <optional>

#include "model/message.h"
#include "model/model_state.h"

namespace morvane {

// The palette's largest layout (the third triangle) has 30 holes; parts read
// from files may be larger, and beyond this many their further holes are not
// offered.
constexpr int kMaxHoles = 256;

// Left uninitialised: hole lists are built for every part on every frame.
struct Hole {
  double X;
  double Y;
};

// Holes of a part in its own frame, in the order the placing rules test them.
// Piston holes are given without the stroke term.
struct HoleList {
  int Count = 0;
  Hole Holes[kMaxHoles];
};

HoleList HolesOf(const PartRecord& part);

// An upright box of a part's own frame.
struct FrameBox {
  double Left;
  double Top;
  double Right;
  double Bottom;
};

// A piston's sliding end, shifted out by the stroke term: the head, and the
// rod that carries the holes.
inline constexpr FrameBox kPistonHead{0, -30, 50, 30};
inline constexpr FrameBox kPistonRod{5, -10, 320, 10};

// Whether the canvas point lies on the piston's head or rod, where a grab
// strokes the piston instead of moving it.
bool OnPistonSlider(const PartRecord& piston, double x, double y);
// The hole-count parameter n of the layouts.
int HoleParameter(double size);
// Default Size of a new part of that kind; 0 for pins and pens.
double DefaultSize(int32_t kind);
// Snaps a pointer coordinate to the 10-pixel grid.
double SnapToGrid(double p);

// Fills the record at PartCount with a new part of that kind at the snapped
// point and raises PartCount. Refused with a message when 49 parts are placed.
std::optional<Message> CreatePart(ModelState& model, int32_t kind, double x, double y);

// Completes the drop of a newly created part on the canvas: a power part
// becomes the model's power part with its track and power position (900 for
// the power piston, its default phase), and the part is no longer selected.
void FinishPartDrop(ModelState& model, int index);

int CountHolesAt(const ModelState& model, double x, double y);
// Each returns whether at least one slot was appended. A placement that would
// overflow a part's slots writes nothing and returns false.
bool PlacePin(ModelState& model, PinStatus state, double x, double y);
bool PlacePen(ModelState& model, int32_t kind, double x, double y);
// The state of the last pin slot (in part, then slot order) standing at the
// point, if any.
std::optional<PinStatus> PinStateAt(const ModelState& model, double x, double y);
// The colour code of the last pen standing at the point, if any.
std::optional<int32_t> PenColourAt(const ModelState& model, double x, double y);
// The pin number of the part's last pin slot at the point, or -1.
int PinIdAt(const ModelState& model, int partIndex, double x, double y);

// The joining rules at the drop of a pin (Hatome, KoteiPin) or pen (101-104):
// the message to show, if any.
std::optional<Message> DropPinOrPen(ModelState& model, int32_t kind, double x, double y);

// Deletes a part: later records move down, the power part index follows, and
// the axle pins of the moved parts are renumbered to their new indices so that
// axle numbers stay distinct and the next created part cannot reuse one.
void RemovePart(ModelState& model, int index);

}  // namespace morvane
