#include "solver/pin_directory.h"

#include <algorithm>

#include "solver/geometry.h"

namespace morvane {

void PinDirectory::Build(const Table& table, int partCount) {
  struct Entry {
    int32_t Pin;
    PinSlot At;
  };
  std::vector<Entry> entries;
  for (int i = 0; i < partCount; ++i) {
    for (int s = 0; s < table[i].PinCount; ++s) {
      entries.push_back({table[i].PinId[s], {i, s}});
    }
  }
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.Pin < b.Pin; });
  pins_.clear();
  slots_.clear();
  for (const Entry& entry : entries) {
    pins_.push_back(entry.Pin);
    slots_.push_back(entry.At);
  }
}

std::span<const PinSlot> PinDirectory::SlotsOf(int32_t pin) const {
  const auto [first, last] = std::equal_range(pins_.begin(), pins_.end(), pin);
  return std::span<const PinSlot>(slots_).subspan(static_cast<size_t>(first - pins_.begin()),
                                                   static_cast<size_t>(last - first));
}

int PinDirectory::FindPart(int skip, int32_t pin, int n) const {
  PinOccurrenceCounter counter(skip, n);
  for (const PinSlot& at : SlotsOf(pin)) {
    if (counter.Take(at.Part)) {
      break;
    }
  }
  return counter.Result();
}

}  // namespace morvane
