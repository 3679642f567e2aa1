#include "solver/pin_directory.h"

#include <algorithm>

#include "solver/geometry.h"

namespace morvane {

void PinDirectory::Build(const Table& table, int partCount) {
  int32_t least = 0;
  int32_t greatest = -1;
  int count = 0;
  for (const SlotRef at : PinSlots(table, partCount)) {
    const int32_t pin = table[at.Part].PinId[at.Slot];
    least = std::min(least, pin);
    greatest = std::max(greatest, pin);
    ++count;
  }
  pins_.clear();
  slots_.clear();
  firstSlot_.clear();
  if (least < 0 || greatest >= kDirectSpan) {
    BuildSorted(table, partCount);
    return;
  }
  // A counting sort, stable: within one pin the slots keep table order.
  firstSlot_.assign(static_cast<size_t>(greatest) + 2, 0);
  for (const SlotRef at : PinSlots(table, partCount)) {
    ++firstSlot_[static_cast<size_t>(table[at.Part].PinId[at.Slot]) + 1];
  }
  for (size_t p = 1; p < firstSlot_.size(); ++p) {
    firstSlot_[p] += firstSlot_[p - 1];
  }
  slots_.resize(static_cast<size_t>(count));
  std::vector<int> next(firstSlot_.begin(), firstSlot_.end() - 1);
  for (const SlotRef at : PinSlots(table, partCount)) {
    slots_[static_cast<size_t>(next[static_cast<size_t>(table[at.Part].PinId[at.Slot])]++)] = at;
  }
}

void PinDirectory::BuildSorted(const Table& table, int partCount) {
  struct Entry {
    int32_t Pin;
    SlotRef At;
  };
  std::vector<Entry> entries;
  for (const SlotRef at : PinSlots(table, partCount)) {
    entries.push_back({table[at.Part].PinId[at.Slot], at});
  }
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.Pin < b.Pin; });
  for (const Entry& entry : entries) {
    pins_.push_back(entry.Pin);
    slots_.push_back(entry.At);
  }
}

std::span<const SlotRef> PinDirectory::SlotsOf(int32_t pin) const {
  if (!firstSlot_.empty()) {
    if (pin < 0 || static_cast<size_t>(pin) + 1 >= firstSlot_.size()) {
      return {};
    }
    const auto first = static_cast<size_t>(firstSlot_[static_cast<size_t>(pin)]);
    const auto last = static_cast<size_t>(firstSlot_[static_cast<size_t>(pin) + 1]);
    return std::span<const SlotRef>(slots_).subspan(first, last - first);
  }
  const auto [first, last] = std::equal_range(pins_.begin(), pins_.end(), pin);
  return std::span<const SlotRef>(slots_).subspan(static_cast<size_t>(first - pins_.begin()),
                                                   static_cast<size_t>(last - first));
}

namespace {

PinOccurrenceCounter CountIn(std::span<const SlotRef> slots, int skip, int n) {
  PinOccurrenceCounter counter(skip, n);
  for (const SlotRef& at : slots) {
    if (counter.Take(at.Part)) {
      break;
    }
  }
  return counter;
}

}  // namespace

int PinDirectory::NthPart(int skip, int32_t pin, int n) const { return CountIn(SlotsOf(pin), skip, n).LastPart(); }

int PinDirectory::CountSlots(int skip, int32_t pin) const { return CountIn(SlotsOf(pin), skip, 0).Count(); }

}  // namespace morvane
