#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/document_names.h"
#include "model/model_state.h"

namespace morvane {

constexpr int kHistorySlots = 1001;

// One recorded placement state: the whole PartTable and the counters that
// describe it. Placement table, track position and speed are not part of it.
struct HistorySlot {
  Table Parts{};
  ModelCounters Counters;
};

class EditHistory {
 public:

  int32_t HistoryTop() const { return top_; }
  int32_t HistoryCurrent() const { return current_; }
  bool CanUndo() const { return canUndo_; }
  bool CanRedo() const { return canRedo_; }

  // Records the model as the placement state and pushes it as a new slot,
  // dropping any redo branch. A full history still updates the placement.
  void TakeSnapshot(ModelState& model);
  // Each returns whether the model was changed. The restored parts become the
  // placement records as well.
  bool Undo(ModelState& model);
  bool Redo(ModelState& model);
  void Clear();

 private:
  void Restore(int slot, ModelState& model) const;

  // About 33 MB, allocated once, at the first snapshot: a session that never
  // records an edit (the command-line tool's) needs none of it.
  std::vector<HistorySlot> slots_;
  int32_t top_ = -1;
  int32_t current_ = -1;
  bool canUndo_ = false;
  bool canRedo_ = false;
};

// Puts PartTable, speed and track position back to the last placement edit.
void RestorePlacement(ModelState& model);
// Returns the model to the empty state; the folder of the last file stays.
void ResetModel(ModelState& model, EditHistory& history, DocumentNames& names);
// Moves every part by (dx, dy) and records the result as a placement edit.
void MoveAllParts(ModelState& model, EditHistory& history, double dx, double dy);

}  // namespace morvane
