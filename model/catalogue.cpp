#include "model/catalogue.h"

#include <algorithm>
#include <cmath>

#include "model/model_texts.h"
#include "model/part_frame.h"
#include "model/part_kind.h"
#include "model/slot_range.h"

namespace morvane {

namespace {

void AddHole(HoleList& list, double x, double y) {
  if (list.Count < kMaxHoles) {
    list.Holes[list.Count++] = {x, y};
  }
}

void DiskHoles(int n, HoleList& list) {
  for (int k = 0; k <= n; ++k) {
    AddHole(list, 0, -(20.0 * k + 30));
    AddHole(list, 0, 20.0 * k + 30);
    AddHole(list, -(20.0 * k + 20), 0);
    AddHole(list, 20.0 * k + 20, 0);
  }
}

void RodHoles(int first, int n, HoleList& list) {
  for (int k = first; k <= n; ++k) {
    AddHole(list, 20.0 * k, 0);
  }
}

void TriangleHoles(int n, HoleList& list) {
  for (int k = 0; k <= n - 1; ++k) {
    AddHole(list, 0, -20.0 * k);
  }
  for (int k = 1; k <= n - 1; ++k) {
    AddHole(list, 20.0 * k, 0);
  }
  for (int k = 0; k <= n; ++k) {
    AddHole(list, 20.0 * k, -20.0 * (n - k));
  }
}

void LgataHoles(int n, HoleList& list) {
  for (int k = 0; k <= n; ++k) {
    AddHole(list, 0, -20.0 * k);
    if (k >= 1) {
      AddHole(list, 20.0 * k, 0);
    }
  }
}

// Calls visit(partIndex, hole) for every hole of every part whose world
// position coincides with (x, y), in part and hole order.
template <typename Visit>
void ForEachHoleAt(const ModelState& model, double x, double y, Visit visit) {
  for (int i = 0; i < model.PartCount; ++i) {
    const PartRecord& part = model.PartTable[i];
    const HoleList holes = HolesOf(part);
    for (int h = 0; h < holes.Count; ++h) {
      const Point p = WorldPoint(part, holes.Holes[h].X, holes.Holes[h].Y);
      if (SamePoint(p.X, p.Y, x, y)) {
        visit(i, holes.Holes[h]);
      }
    }
  }
}

bool AcceptsFixedPin(int32_t kind) { return !IsDisk(kind) && !IsPiston(kind); }

}  // namespace

// In 64 bits: a size from a file may round to the most negative int.
bool OnPistonSlider(const PartRecord& piston, double x, double y) {
  const Point own = OwnPoint(piston, x, y);
  const double e = StrokeTerm(piston);
  const auto inside = [&](const FrameBox& box) {
    return own.X >= e + box.Left && own.X <= e + box.Right && own.Y >= box.Top && own.Y <= box.Bottom;
  };
  return inside(kPistonHead) || inside(kPistonRod);
}

int HoleParameter(double size) { return static_cast<int>((int64_t{RoundHalfEven(size)} - 40) / 20); }

HoleList HolesOf(const PartRecord& part) {
  HoleList list;
  // Every layout adds at least one hole per step of n, so this bounds the loops.
  const int n = std::min(HoleParameter(part.Size), kMaxHoles);
  if (IsDisk(part.Kind)) {
    DiskHoles(n, list);
  } else if (IsPowerRod(part.Kind)) {
    RodHoles(2, n, list);
  } else if (IsRod(part.Kind)) {
    RodHoles(0, n, list);
  } else if (IsTriangle(part.Kind)) {
    TriangleHoles(n, list);
  } else if (IsLgata(part.Kind)) {
    LgataHoles(n, list);
  } else if (IsPiston(part.Kind)) {
    for (int k = 0; k <= 3; ++k) {
      AddHole(list, 240.0 + 20 * k, 0);
    }
  }
  return list;
}

double DefaultSize(int32_t kind) {
  switch (kind) {
    case DiskActive1: case DiskPassive1: return 80;
    case DiskActive2: case DiskPassive2: return 100;
    case DiskActive3: case DiskPassive3: return 120;
    case RodActive1: return 120;
    case RodActive2: return 200;
    case RodPassive1: return 200;
    case RodPassive2: return 280;
    case RodPassive3: return 360;
    case RodPassive4: return 440;
    case Triangle1: return 160;
    case Triangle2: return 200;
    case Triangle3: return 240;
    case Lgata1: return 160;
    case Lgata2: return 200;
    case Lgata3: return 240;
    case PistonActive: case PistonPassive: return 90;
    default: return 0;
  }
}

double SnapToGrid(double p) { return std::trunc((p + 5) / 10) * 10; }

std::optional<Message> CreatePart(ModelState& model, int32_t kind, double x, double y) {
  if (model.PartCount >= kMaxParts) {
    return model_texts::PartsFull;
  }
  const int index = model.PartCount;
  PartRecord part;
  part.Kind = kind;
  part.X = SnapToGrid(x);
  part.Y = SnapToGrid(y);
  part.Size = DefaultSize(kind);
  part.Visible = true;
  part.Selected = true;
  if (HasAxle(kind)) {
    part.PinCount = 1;
    part.PinState[0] = PinStatus::Fixed;
    part.PinId[0] = index;
  }
  model.PartTable[index] = part;
  ++model.PartCount;
  return std::nullopt;
}

void FinishPartDrop(ModelState& model, int index) {
  PartRecord& part = model.PartTable[index];
  if (IsPowerPart(part.Kind)) {
    model.HasPowerPart = true;
    model.PowerPartIndex = index;
    SetTrackPositionQuietly(model, part.Kind == PistonActive ? 900 : 0);
    // The new part stands where the bar now points; a stale position from an
    // earlier power part would make the first step a jump.
    model.PowerPosition = model.TrackPosition;
  }
  part.Selected = false;
}

int CountHolesAt(const ModelState& model, double x, double y) {
  int count = 0;
  ForEachHoleAt(model, x, y, [&](int, const Hole&) { ++count; });
  return count;
}

namespace {

enum class Placement { NoHole, Placed, SlotsFull };

// Appends one slot per coinciding hole; checks every part's capacity first so
// that an overflowing placement writes nothing at all.
template <typename Accepts, typename Append>
Placement AppendAtHoles(ModelState& model, double x, double y, int32_t PartRecord::*used, int capacity,
                        Accepts accepts, Append append) {
  std::array<int, kTableRecords> added{};
  bool any = false;
  bool overflow = false;
  ForEachHoleAt(model, x, y, [&](int i, const Hole&) {
    if (accepts(model.PartTable[i])) {
      any = true;
      overflow = overflow || model.PartTable[i].*used + ++added[i] > capacity;
    }
  });
  if (!any) {
    return Placement::NoHole;
  }
  if (overflow) {
    return Placement::SlotsFull;
  }
  ForEachHoleAt(model, x, y, [&](int i, const Hole& hole) {
    if (accepts(model.PartTable[i])) {
      append(model.PartTable[i], hole);
    }
  });
  return Placement::Placed;
}

Placement AppendPins(ModelState& model, PinStatus state, double x, double y) {
  const Placement result = AppendAtHoles(
      model, x, y, &PartRecord::PinCount, kPinSlots,
      [&](const PartRecord& part) { return state != PinStatus::Fixed || AcceptsFixedPin(part.Kind); },
      [&](PartRecord& part, const Hole& hole) {
        const int s = part.PinCount++;
        part.PinState[s] = state;
        part.PinId[s] = model.NextPinId;
        part.PinX[s] = hole.X;
        part.PinY[s] = hole.Y;
      });
  if (result == Placement::Placed) {
    ++model.NextPinId;
  }
  return result;
}

Placement AppendPens(ModelState& model, int32_t kind, double x, double y) {
  return AppendAtHoles(
      model, x, y, &PartRecord::PenCount, kPenSlots, [](const PartRecord&) { return true; },
      [&](PartRecord& part, const Hole& hole) {
        const int s = part.PenCount++;
        part.PenColor[s] = kind;
        part.PenX[s] = hole.X;
        part.PenY[s] = hole.Y;
      });
}

}  // namespace

bool PlacePin(ModelState& model, PinStatus state, double x, double y) {
  return AppendPins(model, state, x, y) == Placement::Placed;
}

bool PlacePen(ModelState& model, int32_t kind, double x, double y) {
  return AppendPens(model, kind, x, y) == Placement::Placed;
}

namespace {

// The value of the last slot (in part, then slot order) standing at the point.
template <typename Slots, typename PlaceOf, typename Value>
auto LastSlotAt(const ModelState& model, Slots slots, PlaceOf placeOf, Value PartRecord::*values, double x,
                double y) -> std::optional<typename Value::value_type> {
  std::optional<typename Value::value_type> found;
  for (const SlotRef at : slots) {
    const PartRecord& part = model.PartTable[at.Part];
    const Point p = placeOf(part, at.Slot);
    if (SamePoint(p.X, p.Y, x, y)) {
      found = (part.*values)[at.Slot];
    }
  }
  return found;
}

}  // namespace

std::optional<PinStatus> PinStateAt(const ModelState& model, double x, double y) {
  return LastSlotAt(model, PinSlots(model.PartTable, model.PartCount), PinWorld, &PartRecord::PinState, x, y);
}

std::optional<int32_t> PenColourAt(const ModelState& model, double x, double y) {
  return LastSlotAt(model, PenSlots(model.PartTable, model.PartCount), PenWorld, &PartRecord::PenColor, x, y);
}

int PinIdAt(const ModelState& model, int partIndex, double x, double y) {
  const int slot = PinSlotAt(model.PartTable[partIndex], x, y);
  return slot < 0 ? -1 : model.PartTable[partIndex].PinId[slot];
}

namespace {

std::optional<Message> DropPin(ModelState& model, int32_t kind, double x, double y) {
  if (PinStateAt(model, x, y)) {
    return model_texts::PinAlreadyThere;
  }
  Placement result = Placement::NoHole;
  if (kind == KoteiPin) {
    result = AppendPins(model, PinStatus::Fixed, x, y);
  } else {
    const int holes = CountHolesAt(model, x, y);
    if (holes > 2) {
      return model_texts::ThreeOrMoreParts;
    }
    if (holes == 1) {
      return model_texts::MovablePinNeedsTwo;
    }
    if (holes == 2) {
      result = AppendPins(model, PinStatus::Movable, x, y);
    }
  }
  if (result == Placement::SlotsFull) {
    return model_texts::PinAlreadyThere;
  }
  return std::nullopt;
}

std::optional<Message> DropPen(ModelState& model, int32_t kind, double x, double y) {
  if (PenColourAt(model, x, y)) {
    return model_texts::PenAlreadyThere;
  }
  const Placement result = AppendPens(model, kind, x, y);
  if (result == Placement::Placed) {
    model.PenPlaced[PenColourIndex(kind)] = true;
  }
  if (result == Placement::SlotsFull) {
    return model_texts::PinAlreadyThere;
  }
  return std::nullopt;
}

}  // namespace

std::optional<Message> DropPinOrPen(ModelState& model, int32_t kind, double x, double y) {
  if (IsPin(kind)) {
    return DropPin(model, kind, x, y);
  }
  if (IsPenColour(kind)) {
    return DropPen(model, kind, x, y);
  }
  return std::nullopt;
}

void RemovePart(ModelState& model, int index) {
  if (index < 0 || index >= model.PartCount) {
    return;
  }
  if (index == model.PowerPartIndex) {
    model.HasPowerPart = false;
    model.PowerPartIndex = -1;
  } else if (index < model.PowerPartIndex) {
    --model.PowerPartIndex;
  }
  for (int j = index + 1; j < model.PartCount; ++j) {
    model.PartTable[j - 1] = model.PartTable[j];
    PartRecord& moved = model.PartTable[j - 1];
    if (HasAxle(moved.Kind) && moved.PinCount > 0 && moved.PinId[0] == j) {
      for (const SlotRef at : PinSlots(model.PartTable, j)) {
        int32_t& pin = model.PartTable[at.Part].PinId[at.Slot];
        pin = pin == j ? j - 1 : pin;
      }
    }
  }
  --model.PartCount;
}

}  // namespace morvane
