#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "model/part_record.h"

namespace morvane {

// One used slot of a part.
struct SlotRef {
  int Part = 0;
  int Slot = 0;

  bool operator==(const SlotRef&) const = default;
};

// The used pin or pen slots of parts 0..count-1, in part then slot order:
//   for (const SlotRef at : PinSlots(model.PartTable, model.PartCount)) ...
// Yields indices only, so a loop may change the slots it walks over as long
// as it leaves the counts alone.
template <int32_t PartRecord::*UsedCount, int Capacity>
class SlotRange {
 public:
  class Iterator {
   public:
    using value_type = SlotRef;
    using difference_type = std::ptrdiff_t;

    Iterator() = default;
    Iterator(const Table* table, int count, int part) : table_(table), count_(count), at_{part, 0} {
      used_ = at_.Part < count_ ? Used(at_.Part) : 0;
      SkipEmpty();
    }

    SlotRef operator*() const { return at_; }
    // The solver walks every slot thousands of times a step: the next slot of
    // the same part costs one comparison.
    Iterator& operator++() {
      if (++at_.Slot >= used_) {
        SkipEmpty();
      }
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      ++*this;
      return before;
    }
    bool operator==(const Iterator& other) const { return at_ == other.at_; }

   private:
    int Used(int part) const { return std::clamp<int32_t>((*table_)[part].*UsedCount, 0, Capacity); }
    void SkipEmpty() {
      while (at_.Part < count_ && at_.Slot >= used_) {
        ++at_.Part;
        at_.Slot = 0;
        used_ = at_.Part < count_ ? Used(at_.Part) : 0;
      }
    }

    const Table* table_ = nullptr;
    int count_ = 0;
    int used_ = 0;
    SlotRef at_;
  };

  SlotRange(const Table& table, int count) : table_(&table), count_(std::clamp(count, 0, kTableRecords)) {}
  Iterator begin() const { return Iterator(table_, count_, 0); }
  Iterator end() const { return Iterator(table_, count_, count_); }

 private:
  const Table* table_;
  int count_;
};

using PinSlotRange = SlotRange<&PartRecord::PinCount, kPinSlots>;
using PenSlotRange = SlotRange<&PartRecord::PenCount, kPenSlots>;

inline PinSlotRange PinSlots(const Table& table, int count) { return {table, count}; }
inline PenSlotRange PenSlots(const Table& table, int count) { return {table, count}; }

static_assert(std::forward_iterator<PinSlotRange::Iterator>);

}  // namespace morvane
