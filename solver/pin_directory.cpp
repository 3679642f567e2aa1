#include "solver/pin_directory.h"

#include <algorithm>

#include "solver/geometry.h"

namespace morvane {

void PinDirectory::Build(const Table& table, int partCount) {
  struct Entry {
    int32_t Pin;
    SlotRef At;
  };
  std::vector<Entry> entries;
  for (const SlotRef at : PinSlots(table, partCount)) {
    entries.push_back({table[at.Part].PinId[at.Slot], at});
  }
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.Pin < b.Pin; });
  pins_.clear();
  slots_.clear();
  for (const Entry& entry : entries) {
    pins_.push_back(entry.Pin);
    slots_.push_back(entry.At);
  }
}

std::span<const SlotRef> PinDirectory::SlotsOf(int32_t pin) const {
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
