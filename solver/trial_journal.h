#pragma once

#include <bitset>
#include <cstddef>
#include <vector>

#include "model/part_record.h"

namespace morvane {

// Undo records for the solver's trials. Every trial of a joined part may end
// undecided and must then leave WorkTable as it found it. Rather than a copy
// of the whole table before each trial, the journal keeps a flat copy of a
// record the first time a trial changes it: a trial costs the records it
// touches, which in a long chain is a handful out of 49. Trials nest; the
// changes of a trial that is kept belong to the trial around it.
class TrialJournal {
 public:
  void Begin();
  // To be called before a record of the work table changes.
  void Touch(const Table& work, int part);
  // Ends the innermost trial, putting back every record it changed.
  void Undo(Table& work);
  // Ends the innermost trial, keeping its changes.
  void Keep();

 private:
  struct Trial {
    size_t FirstSaved = 0;
    std::bitset<kTableRecords> Touched;
  };
  // Kept from step to step, so that a drive step allocates nothing once the
  // longest journal has been seen.
  std::vector<int> savedParts_;
  std::vector<PartRecord> savedRecords_;
  std::vector<Trial> trials_;
};

}  // namespace morvane
