// Placing from the palette: a press creates the new record at PartCount, the
// drag snaps it to a hole of the part under the pointer or to the grid, the
// drop keeps a part, turns a pin or pen into slots of the parts beneath, or
// discards the record when it went back onto the palette.

#include <cstddef>

#include "model/catalogue.h"
#include "model/model_texts.h"
#include "model/part_kind.h"
#include "session/session.h"
#include "session/session_texts.h"

namespace morvane {

namespace {

std::optional<Message> PressRefusal(const ModelState& model, int32_t kind) {
  if (model.HasPowerPart && IsPowerPart(kind)) {
    return session_texts::TwoPowerParts;
  }
  if (IsPenColour(kind) && model.PenPlaced[static_cast<size_t>(PenColourIndex(kind))]) {
    return session_texts::PenColourPlaced[PenColourIndex(kind)];
  }
  return std::nullopt;
}

bool IsPlacedPart(int32_t kind) { return kind < Hatome || IsPiston(kind); }

}  // namespace

Reply Session::PressPalette(int32_t kind, double x, double y, bool leftButton) {
  if (drag_.Mode != DragMode::Idle) {
    return std::nullopt;
  }
  if (model_->PartCount >= kMaxParts) {
    return Notice{Notice::Style::Plain, Text(model_texts::PartsFull)};
  }
  if (!leftButton) {
    return std::nullopt;
  }
  if (const std::optional<Message> refusal = PressRefusal(*model_, kind)) {
    return Notice{Notice::Style::Plain, Text(*refusal)};
  }
  CreatePart(*model_, kind, x, y);
  drag_ = {};
  drag_.Mode = DragMode::Palette;
  drag_.Index = model_->PartCount - 1;
  loci_.Clear();
  return std::nullopt;
}

void Session::MovePaletteDrag(double x, double y, int underPointer) {
  if (drag_.Mode != DragMode::Palette) {
    return;
  }
  PartRecord& record = model_->PartTable[drag_.Index];
  if (underPointer >= 0 && underPointer < model_->PartCount && underPointer != drag_.Index) {
    const Point snapped = SnapToHole(model_->PartTable[underPointer], x, y, kDragSnap);
    record.X = snapped.X;
    record.Y = snapped.Y;
  } else {
    record.X = SnapToGrid(x);
    record.Y = SnapToGrid(y);
  }
}

Reply Session::DropPalette(bool onCanvas) {
  if (drag_.Mode != DragMode::Palette) {
    return std::nullopt;
  }
  const int index = drag_.Index;
  const PartRecord record = model_->PartTable[index];
  std::optional<Message> refusal;
  if (!onCanvas) {
    --model_->PartCount;
  } else if (IsPlacedPart(record.Kind)) {
    FinishPartDrop(*model_, index);
  } else {
    --model_->PartCount;
    refusal = DropPinOrPen(*model_, record.Kind, record.X, record.Y);
  }
  RecordEdit();
  drag_ = {};
  if (refusal) {
    return Notice{Notice::Style::Plain, Text(*refusal)};
  }
  return std::nullopt;
}

}  // namespace morvane
