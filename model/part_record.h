#pragma once

#include <array>
#include <cstdint>
#include <type_traits>

namespace morvane {

constexpr int kPinSlots = 21;
constexpr int kPenSlots = 4;
constexpr int kMaxParts = 49;
// Two records beyond the 49 parts: the palette drag's scratch record and a spare.
constexpr int kTableRecords = 51;

// One placed part with the pins through it and the pens on it. Pins and pens
// have no records of their own: a pin joining two parts is one slot in each,
// carrying the same PinId.
struct PartRecord {
  int32_t Kind = 0;
  double X = 0.0;
  double Y = 0.0;
  double Size = 0.0;
  double Spare = 0.0;
  double Angle = 0.0;
  int32_t PinCount = 0;
  int32_t PenCount = 0;
  int32_t Mobility = 0;
  bool Selected = false;
  bool Visible = false;
  int32_t Settled = 0;
  std::array<int32_t, kPinSlots> PinState{};
  std::array<int32_t, kPinSlots> PinId{};
  std::array<double, kPinSlots> PinX{};
  std::array<double, kPinSlots> PinY{};
  std::array<int32_t, kPenSlots> PenColor{};
  std::array<double, kPenSlots> PenX{};
  std::array<double, kPenSlots> PenY{};

  bool operator==(const PartRecord&) const = default;
};

// The solver copies whole tables on every trial, so records must stay flat.
static_assert(std::is_trivially_copyable_v<PartRecord>);

using Table = std::array<PartRecord, kTableRecords>;

}  // namespace morvane
