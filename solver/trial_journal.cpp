#include "solver/trial_journal.h"

namespace morvane {

void TrialJournal::Begin() { trials_.push_back({savedParts_.size(), {}}); }

void TrialJournal::Touch(const Table& work, int part) {
  if (trials_.empty() || trials_.back().Touched.test(static_cast<size_t>(part))) {
    return;
  }
  trials_.back().Touched.set(static_cast<size_t>(part));
  savedParts_.push_back(part);
  const PartRecord& record = work[part];
  savedRecords_.push_back(
      {record.X, record.Y, record.Size, record.Angle, record.Mobility, record.Settled, record.PinState});
}

void TrialJournal::Undo(Table& work) {
  const size_t first = trials_.back().FirstSaved;
  trials_.pop_back();
  // Newest first, so that a record saved by nested trials ends as it was
  // when this trial began.
  for (size_t k = savedParts_.size(); k > first; --k) {
    PartRecord& record = work[savedParts_[k - 1]];
    const Changeable& saved = savedRecords_[k - 1];
    record.X = saved.X;
    record.Y = saved.Y;
    record.Size = saved.Size;
    record.Angle = saved.Angle;
    record.Mobility = saved.Mobility;
    record.Settled = saved.Settled;
    record.PinState = saved.PinState;
  }
  savedParts_.resize(first);
  savedRecords_.resize(first);
}

void TrialJournal::Keep() {
  const Trial kept = trials_.back();
  trials_.pop_back();
  if (trials_.empty()) {
    savedParts_.clear();
    savedRecords_.clear();
  } else {
    trials_.back().Touched |= kept.Touched;
  }
}

}  // namespace morvane
