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
  void BuildSorted(const Table& table, int partCount);

  // Pin numbers from a file may be anything; those of a model built in the
  // program run from 0 to a few hundred. Within such a span each number
  // indexes its slots directly; beyond it they are looked up by bisection.
  static constexpr int32_t kDirectSpan = 1 << 16;

  // Sorted by pin number; within one pin in table order.
  std::vector<int32_t> pins_;
  std::vector<SlotRef> slots_;
  // When every number lies in 0 .. kDirectSpan - 1: the slots of pin p are
  // slots_[firstSlot_[p]] up to slots_[firstSlot_[p + 1]].
  std::vector<int> firstSlot_;
};

}  // namespace morvane
