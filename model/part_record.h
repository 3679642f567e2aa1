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

// The state of one pin slot. Movable and Fixed are stored in model files;
// HeldInStep exists only in the solver's work table, for a pin whose place the
// step has fixed for the parts still to follow it.
enum class PinStatus : int32_t { Movable = 0, Fixed = 1, HeldInStep = 2 };

// The solver's mark of a part whose place in the current step is decided.
enum class SettleState : int32_t { Open = 0, Placed = 1 };

// The solver's class of a part by the pins of it that are known.
enum class MobilityClass : int32_t {
  // Held at two fixed points, or at one and a pin of the step.
  Held = 0,
  // Turns about one known pin.
  Turning = 1,
  // No pin of it is known.
  Free = 2,
};

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
  MobilityClass Mobility = MobilityClass::Held;
  bool Selected = false;
  bool Visible = false;
  SettleState Settled = SettleState::Open;
  std::array<PinStatus, kPinSlots> PinState{};
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
