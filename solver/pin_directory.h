#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/part_record.h"

namespace morvane {

struct PinSlot {
  int Part = 0;
  int Slot = 0;
};

// Where each pin number occurs, slot by slot in table order. The solver never
// changes pin numbers or slot counts, so one directory made at the start of a
// move serves all its look-ups, each of which would otherwise walk the whole
// table.
class PinDirectory {
 public:
  void Build(const Table& table, int partCount);
  std::span<const PinSlot> SlotsOf(int32_t pin) const;
  // FindPartWithPin, answered from the directory.
  int FindPart(int skip, int32_t pin, int n) const;

 private:
  // Sorted by pin number; within one pin in table order.
  std::vector<int32_t> pins_;
  std::vector<PinSlot> slots_;
};

}  // namespace morvane
