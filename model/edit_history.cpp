#include "model/edit_history.h"

#include <algorithm>

namespace morvane {

namespace {

void CopyPlacement(ModelState& model) {
  std::copy_n(model.PartTable.begin(), model.PartCount, model.PlacementTable.begin());
  model.PlacementSpeedIndex = model.SpeedIndex;
  model.PlacementAngleStep = model.AngleStep;
  model.PlacementTrackPosition = model.TrackPosition;
}

// Files saved while the placement values started at 0 hold a step of 0,
// which would leave automatic rotation standing still after a return; the
// step of the placement's speed takes its place.
int32_t PlacedAngleStep(const ModelState& model) {
  if (model.PlacementAngleStep > 0) {
    return model.PlacementAngleStep;
  }
  const bool knownSpeed = model.PlacementSpeedIndex >= 0 && model.PlacementSpeedIndex < std::ssize(kAngleSteps);
  return knownSpeed ? kAngleSteps[static_cast<size_t>(model.PlacementSpeedIndex)] : kDefaultAngleStep;
}

}  // namespace

void EditHistory::TakeSnapshot(ModelState& model) {
  CopyPlacement(model);
  if (current_ >= kHistorySlots - 1) {
    return;
  }
  if (slots_.empty()) {
    slots_.resize(kHistorySlots);
  }
  HistorySlot& slot = slots_[current_ + 1];
  slot.Parts = model.PartTable;
  slot.Counters = model;
  top_ = current_ = current_ + 1;
  if (current_ > 0) {
    canUndo_ = true;
  }
  canRedo_ = false;
}

void EditHistory::Restore(int slot, ModelState& model) const {
  const HistorySlot& saved = slots_[slot];
  model.PartTable = saved.Parts;
  static_cast<ModelCounters&>(model) = saved.Counters;
  // The placement records must describe the parts the restored counters
  // count: a return to the placement or a saved file would otherwise bring
  // back pins, pens and axles of parts the undo took away, or lose those of
  // parts it brought back.
  std::copy_n(model.PartTable.begin(), model.PartCount, model.PlacementTable.begin());
}

bool EditHistory::Undo(ModelState& model) {
  if (current_ < 1) {
    return false;
  }
  Restore(current_ - 1, model);
  --current_;
  canUndo_ = current_ > 0;
  canRedo_ = true;
  return true;
}

bool EditHistory::Redo(ModelState& model) {
  if (current_ == top_) {
    return false;
  }
  Restore(current_ + 1, model);
  ++current_;
  canRedo_ = current_ != top_;
  canUndo_ = true;
  return true;
}

void EditHistory::Clear() {
  top_ = current_ = -1;
  canUndo_ = canRedo_ = false;
}

void RestorePlacement(ModelState& model) {
  std::copy_n(model.PlacementTable.begin(), model.PartCount, model.PartTable.begin());
  model.SpeedIndex = model.PlacementSpeedIndex;
  model.AngleStep = PlacedAngleStep(model);
  SetTrackPositionQuietly(model, model.PlacementTrackPosition);
}

void ResetModel(ModelState& model, EditHistory& history, DocumentNames& names) {
  for (PartRecord& part : model.PartTable) {
    part.PinCount = 0;
    part.PenCount = 0;
  }
  history.Clear();
  static_cast<ModelCounters&>(model) = ModelCounters{};
  model.SpeedIndex = kDefaultSpeedIndex;
  model.AngleStep = kDefaultAngleStep;
  model.PowerPosition = 0;
  SetTrackPositionQuietly(model, 0);
  names.LastModelName.clear();
}

void MoveAllParts(ModelState& model, EditHistory& history, double dx, double dy) {
  for (int i = 0; i < model.PartCount; ++i) {
    model.PartTable[i].X += dx;
    model.PartTable[i].Y += dy;
  }
  history.TakeSnapshot(model);
}

}  // namespace morvane
