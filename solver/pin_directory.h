#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/part_record.h"
#include "model/slot_range.h"

namespace morvane {

// Where each pin number occurs, slot by slot in table order. The solver never
// changes pin numbers or slot counts, so one directory made at the start of a
// move serves all its look-ups, each of which would otherwise walk the whole
// table.
class PinDirectory {
 public:
  void Build(const Table& table, int partCount);
  std::span<const SlotRef> SlotsOf(int32_t pin) const;
  // NthPartWithPin and CountSlotsWithPin, answered from the directory.
  int NthPart(int skip, int32_t pin, int n) const;
  int CountSlots(int skip, int32_t pin) const;

 private:
  // Sorted by pin number; within one pin in table order.
  std::vector<int32_t> pins_;
  std::vector<SlotRef> slots_;
};

}  // namespace morvane
