#pragma once

// What one slot of the edit history brings back, kept by the tests that walk
// the history to compare each undo and redo with the state recorded on the
// way.

#include <vector>

#include "model/model_state.h"
#include "model/part_record.h"

namespace morvane::testing {

struct Recorded {
  ModelCounters Counters;
  std::vector<PartRecord> Parts;

  bool operator==(const Recorded&) const = default;
};

inline Recorded Record(const ModelState& model) {
  return {model, {model.PartTable.begin(), model.PartTable.begin() + model.PartCount}};
}

}  // namespace morvane::testing
