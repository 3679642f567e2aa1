#include "session/popup_edits.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "model/catalogue.h"
#include "model/part_kind.h"
#include "model/slot_range.h"
#include "session/session.h"
#include "session/session_texts.h"

namespace morvane {

namespace {

namespace text = session_texts;

// Removes slot `slot` of the parallel arrays, moving the later slots up.
template <typename Array>
void CloseSlot(Array& values, int slot, int used) {
  std::copy(values.begin() + slot + 1, values.begin() + used, values.begin() + slot);
}

void RemovePinSlot(PartRecord& part, int slot) {
  CloseSlot(part.PinState, slot, part.PinCount);
  CloseSlot(part.PinId, slot, part.PinCount);
  CloseSlot(part.PinX, slot, part.PinCount);
  CloseSlot(part.PinY, slot, part.PinCount);
  --part.PinCount;
}

void RemovePenSlot(ModelState& model, PartRecord& part, int slot) {
  if (IsPenColour(part.PenColor[slot])) {
    model.PenPlaced[static_cast<size_t>(PenColourIndex(part.PenColor[slot]))] = false;
  }
  CloseSlot(part.PenColor, slot, part.PenCount);
  CloseSlot(part.PenX, slot, part.PenCount);
  CloseSlot(part.PenY, slot, part.PenCount);
  --part.PenCount;
}

// Removes every slot, of every part, that `goes` picks.
template <typename Goes, typename Remove>
void RemoveSlots(ModelState& model, int32_t PartRecord::*count, Goes goes, Remove remove) {
  for (int i = 0; i < model.PartCount; ++i) {
    PartRecord& part = model.PartTable[i];
    for (int s = part.*count - 1; s >= 0; --s) {
      if (goes(part, s)) {
        remove(part, s);
      }
    }
  }
}

// A pin or pen dropped where holes of two parts meet has a slot in each, and
// the holes may lie up to half a pixel apart, so a point near one slot can
// miss the other. The slots at the point therefore name what goes, and every
// slot of that name goes: a pin's number, a pen's colour (placed only once).
template <typename Slots, typename PlaceOf, typename NameOf>
std::vector<int32_t> NamesAt(const ModelState& model, Slots slots, Point at, PlaceOf placeOf, NameOf nameOf) {
  std::vector<int32_t> names;
  for (const SlotRef slot : slots) {
    const PartRecord& part = model.PartTable[slot.Part];
    const Point p = placeOf(part, slot.Slot);
    if (SamePoint(p.X, p.Y, at.X, at.Y)) {
      names.push_back(nameOf(part, slot.Slot));
    }
  }
  return names;
}

bool Contains(const std::vector<int32_t>& names, int32_t name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

void RemovePinsAt(ModelState& model, Point at) {
  const std::vector<int32_t> pins = NamesAt(model, PinSlots(model.PartTable, model.PartCount), at, PinWorld,
                                            [](const PartRecord& part, int s) { return part.PinId[s]; });
  RemoveSlots(
      model, &PartRecord::PinCount, [&](const PartRecord& part, int s) { return Contains(pins, part.PinId[s]); },
      RemovePinSlot);
}

void RemovePensAt(ModelState& model, Point at) {
  const std::vector<int32_t> colours = NamesAt(model, PenSlots(model.PartTable, model.PartCount), at, PenWorld,
                                               [](const PartRecord& part, int s) { return part.PenColor[s]; });
  RemoveSlots(
      model, &PartRecord::PenCount, [&](const PartRecord& part, int s) { return Contains(colours, part.PenColor[s]); },
      [&](PartRecord& part, int s) { RemovePenSlot(model, part, s); });
}

// The axle of a disk or power rod: a fixed pin at its centre.
bool IsAxle(const PartRecord& part, int slot) {
  const Point p = PinWorld(part, slot);
  return part.Kind < kFirstKindWithoutAxle && part.PinState[slot] != PinStatus::Movable &&
         SamePoint(p.X, p.Y, part.X, part.Y);
}

// Whether the pin at the point is the axle of some part. A hole of another
// part may lie over a disk's centre, and deleting the pin there through that
// part would leave the disk without its axle, free to take a movable pin as
// its only pin and to be deleted with it, leaving the joint one-sided.
bool AxleStandsAt(const ModelState& model, Point at) {
  for (const SlotRef slot : PinSlots(model.PartTable, model.PartCount)) {
    const PartRecord& part = model.PartTable[slot.Part];
    const Point p = PinWorld(part, slot.Slot);
    if (IsAxle(part, slot.Slot) && SamePoint(p.X, p.Y, at.X, at.Y)) {
      return true;
    }
  }
  return false;
}

bool CarriesPinBesideAxle(const PartRecord& part) {
  for (int s = 0; s < part.PinCount; ++s) {
    if (!IsAxle(part, s)) {
      return true;
    }
  }
  return false;
}

std::optional<Message> PartDeleteRefusal(const PartRecord& part) {
  if (part.PinCount >= 1 && part.Kind >= kFirstKindWithoutAxle) {
    return text::PinsKeepPart;
  }
  if (part.Kind < kFirstKindWithoutAxle && CarriesPinBesideAxle(part)) {
    return text::PinsBesideAxleKeepPart;
  }
  if (part.PenCount >= 1) {
    return text::PensKeepPart;
  }
  return std::nullopt;
}

std::optional<Message> RotateRefusal(const PartRecord& part) {
  if (part.Kind >= kFirstKindWithoutAxle && part.PinCount >= 2) {
    return text::TwoPinsKeepAngle;
  }
  if (part.Kind >= kFirstKindWithoutPowerAxle && part.Kind < kFirstKindWithoutAxle && part.PinCount >= 1) {
    return text::PinKeepsDiskAngle;
  }
  return std::nullopt;
}

// The track position after a menu turn of the power part (kMenuTurns): tags
// up to 180 degrees turn right, larger ones stand for left turns by 360 minus
// the tag.
int32_t TrackAfterTurn(int32_t position, int tag) {
  if (tag == 0) {
    return 0;
  }
  return tag <= 1800 ? (position + tag) % kTrackMax : (position + tag - 3600 + kTrackMax) % kTrackMax;
}

}  // namespace

DeletePlan Session::PlanDelete(int part, double x, double y) const {
  const ModelState& model = *model_;
  DeletePlan plan;
  if (part < 0 || part >= model.PartCount) {
    return plan;
  }
  const PartRecord& record = model.PartTable[part];
  plan.Part = part;
  plan.At = SnapToHole(record, x, y, kClickSnap);
  const auto planned = [&](DeletePlan::Target what, const Message& message) {
    plan.What = what;
    plan.Text = Text(message);
    return plan;
  };
  if (PenColourAt(model, plan.At.X, plan.At.Y)) {
    return planned(DeletePlan::Target::Pen, text::DeletePen);
  }
  if (PinStateAt(model, plan.At.X, plan.At.Y)) {
    const bool atOwnCentre = record.Kind < kFirstKindWithoutAxle && SamePoint(plan.At.X, plan.At.Y, record.X, record.Y);
    if (atOwnCentre || AxleStandsAt(model, plan.At)) {
      return planned(DeletePlan::Target::Refused, text::AxlePinStays);
    }
    return planned(DeletePlan::Target::Pin, text::DeletePin);
  }
  if (const std::optional<Message> refusal = PartDeleteRefusal(record)) {
    return planned(DeletePlan::Target::Refused, *refusal);
  }
  return planned(DeletePlan::Target::Part, text::DeletePart);
}

void Session::Delete(const DeletePlan& plan, bool confirmed) {
  ModelState& model = *model_;
  if (plan.What == DeletePlan::Target::Nothing || plan.What == DeletePlan::Target::Refused) {
    return;
  }
  LetGo();
  if (confirmed && plan.What == DeletePlan::Target::Pen) {
    RemovePensAt(model, plan.At);
  } else if (confirmed && plan.What == DeletePlan::Target::Pin) {
    RemovePinsAt(model, plan.At);
  } else if (confirmed && plan.Part < model.PartCount) {
    RemovePart(model, plan.Part);
  }
  RecordEdit();
}

Reply Session::Rotate(int part, int tag) {
  ModelState& model = *model_;
  LetGo();
  if (part < 0 || part >= model.PartCount) {
    return std::nullopt;
  }
  PartRecord& record = model.PartTable[part];
  const std::optional<Message> refusal = RotateRefusal(record);
  if (record.Kind < kFirstKindWithoutPowerAxle) {
    SetTrackPositionQuietly(model, TrackAfterTurn(model.TrackPosition, tag));
  }
  if (!refusal) {
    TurnPart(record, tag / 10.0);  // tenths of a degree
  }
  RecordEdit();
  if (refusal) {
    return Notice{Notice::Style::Warning, Text(*refusal)};
  }
  return std::nullopt;
}

}  // namespace morvane
