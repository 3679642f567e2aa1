#include "session/popup_edits.h"

#include <algorithm>
#include <cstddef>

#include "model/catalogue.h"
#include "model/part_kind.h"
#include "model/slot_range.h"
#include "session/edit_messages.h"
#include "session/session.h"

namespace morvane {

namespace {

namespace text = edit_messages;

// Kinds below this are the disks and power rods, which carry an axle pin.
constexpr int32_t kFirstKindWithoutAxle = 30;

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

// Removes every slot, of every part, whose place coincides with the point.
// A pen dropped where holes of two parts coincide has a slot in each, so
// every one of them goes, as every slot of a pin does.
template <typename PlaceOf, typename Remove>
void RemoveSlotsAt(ModelState& model, int32_t PartRecord::*count, Point at, PlaceOf placeOf, Remove remove) {
  for (int i = 0; i < model.PartCount; ++i) {
    PartRecord& part = model.PartTable[i];
    for (int s = part.*count - 1; s >= 0; --s) {
      const Point p = placeOf(part, s);
      if (SamePoint(p.X, p.Y, at.X, at.Y)) {
        remove(part, s);
      }
    }
  }
}

std::optional<Message> PartDeleteRefusal(const PartRecord& part) {
  if (part.PinCount >= 1 && part.Kind >= kFirstKindWithoutAxle) {
    return text::PinsKeepPart;
  }
  if (part.PinCount >= 2 && part.Kind < kFirstKindWithoutAxle) {
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
  if (part.Kind >= 20 && part.Kind < kFirstKindWithoutAxle && part.PinCount >= 1) {
    return text::PinKeepsDiskAngle;
  }
  return std::nullopt;
}

// The track position after a menu turn of the power part: tags up to 180
// degrees turn right, larger ones stand for left turns by 360 minus the tag.
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
  plan.At = SnapToHole(record, x, y, 5);
  const auto planned = [&](DeletePlan::Target what, const Message& message) {
    plan.What = what;
    plan.Text = Text(message);
    return plan;
  };
  if (PenColourAt(model, plan.At.X, plan.At.Y)) {
    return planned(DeletePlan::Target::Pen, text::DeletePen);
  }
  if (PinStateAt(model, plan.At.X, plan.At.Y)) {
    if (record.Kind < kFirstKindWithoutAxle && SamePoint(plan.At.X, plan.At.Y, record.X, record.Y)) {
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
  if (confirmed && plan.What == DeletePlan::Target::Pen) {
    RemoveSlotsAt(model, &PartRecord::PenCount, plan.At, PenWorld,
                  [&](PartRecord& part, int slot) { RemovePenSlot(model, part, slot); });
  } else if (confirmed && plan.What == DeletePlan::Target::Pin) {
    RemoveSlotsAt(model, &PartRecord::PinCount, plan.At, PinWorld, RemovePinSlot);
  } else if (confirmed) {
    RemovePart(model, plan.Part);
  }
  history_->TakeSnapshot(model);
}

Reply Session::Rotate(int part, int tag) {
  ModelState& model = *model_;
  if (part < 0 || part >= model.PartCount) {
    return std::nullopt;
  }
  PartRecord& record = model.PartTable[part];
  const std::optional<Message> refusal = RotateRefusal(record);
  if (record.Kind < 20) {
    SetTrackPositionQuietly(model, TrackAfterTurn(model.TrackPosition, tag));
  }
  if (!refusal) {
    TurnPart(record, tag / 10.0);
  }
  history_->TakeSnapshot(model);
  if (refusal) {
    return Notice{Notice::Style::Warning, Text(*refusal)};
  }
  return std::nullopt;
}

}  // namespace morvane
