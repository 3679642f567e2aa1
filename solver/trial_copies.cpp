#include "solver/trial_copies.h"

#include <algorithm>

namespace morvane {

void TrialCopies::Save(int level, const ModelState& model) {
  while (static_cast<int>(copies_.size()) <= level) {
    copies_.push_back(std::make_unique<Table>());
  }
  std::copy_n(model.WorkTable.begin(), model.PartCount, copies_[level]->begin());
}

void TrialCopies::Restore(int level, ModelState& model) const {
  std::copy_n(copies_.at(level)->begin(), model.PartCount, model.WorkTable.begin());
}

}  // namespace morvane
