#pragma once

#include <memory>
#include <vector>

#include "model/model_state.h"

namespace morvane {

// Saved copies of WorkTable, one per nesting level of the solver: a trial
// that ends undecided is undone by copying its level back. Copies are flat
// block copies of the records in use, and the storage is kept from step to
// step so that a drive step allocates nothing once the deepest level exists.
class TrialCopies {
 public:
  void Save(int level, const ModelState& model);
  void Restore(int level, ModelState& model) const;

 private:
  std::vector<std::unique_ptr<Table>> copies_;
};

}  // namespace morvane
