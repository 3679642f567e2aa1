#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <vector>

#include "model/part_record.h"

namespace morvane {

// Undo records for the solver's trials. Every trial of a joined part may end
// undecided and must then leave WorkTable as it found it. Rather than a copy
// of the whole table before each trial, the journal keeps what the solver may
// change of a record the first time a trial changes it: a trial costs the
// records it touches, which in a long chain is a handful out of 49. Trials
// nest; the changes of a trial that is kept belong to the trial around it.
//
// The solver changes a part's place (X, Y, Angle, a piston's Size), its
// Mobility, Settled and pin states, never its pins' numbers, offsets or
// counts, nor anything else: only those fields are kept.
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
  struct Changeable {
    double X = 0.0;
    double Y = 0.0;
    double Size = 0.0;
    double Angle = 0.0;
    MobilityClass Mobility = MobilityClass::Held;
    SettleState Settled = SettleState::Open;
    std::array<PinStatus, kPinSlots> PinState{};
  };
  std::vector<int> savedParts_;
  std::vector<Changeable> savedRecords_;
  std::vector<Trial> trials_;
};

}  // namespace morvane
