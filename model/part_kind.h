#pragma once

#include <cstdint>
#include <string_view>

namespace morvane {

// Kind codes are stored in model files, so their values never change.
enum PartKind : int32_t {
  DiskActive1 = 11,
  DiskActive2 = 12,
  DiskActive3 = 13,
  RodActive1 = 15,
  RodActive2 = 16,
  DiskPassive1 = 21,
  DiskPassive2 = 22,
  DiskPassive3 = 23,
  RodPassive1 = 31,
  RodPassive2 = 32,
  RodPassive3 = 33,
  RodPassive4 = 34,
  RodPassive5 = 35,
  RodPassive6 = 36,
  Triangle1 = 41,
  Triangle2 = 42,
  Triangle3 = 43,
  Lgata1 = 51,
  Lgata2 = 52,
  Lgata3 = 53,
  Hatome = 61,
  KoteiPin = 62,
  PistonActive = 91,
  PistonPassive = 92,
  PenBlack = 101,
  PenRed = 102,
  PenBlue = 103,
  PenGreen = 104,
};

// The rest of the program treats code ranges as classes of parts.
// Codes below this bound turn on a powered axle with the track bar: the power
// disks and the power rods.
constexpr int32_t kFirstKindWithoutPowerAxle = 20;
constexpr bool IsPowerPart(int32_t kind) { return kind < kFirstKindWithoutPowerAxle || kind == PistonActive; }
constexpr bool IsDisk(int32_t kind) { return (kind >= 11 && kind <= 13) || (kind >= 21 && kind <= 29); }
constexpr bool IsPowerRod(int32_t kind) { return kind == RodActive1 || kind == RodActive2; }
constexpr bool IsRod(int32_t kind) { return kind >= 31 && kind <= 39; }
constexpr bool IsTriangle(int32_t kind) { return kind >= 41 && kind <= 49; }
constexpr bool IsLgata(int32_t kind) { return kind >= 51 && kind <= 59; }
constexpr bool IsPin(int32_t kind) { return kind == Hatome || kind == KoteiPin; }
constexpr bool IsPiston(int32_t kind) { return kind >= 90 && kind <= 99; }
constexpr bool IsPen(int32_t kind) { return kind >= 101; }
// Disks and power rods are created with an axle pin in slot 0.
constexpr bool HasAxle(int32_t kind) { return IsDisk(kind) || IsPowerRod(kind); }
// The editing rules for axles go by this bound on the code, which also
// covers codes a file may hold that no palette makes.
constexpr int32_t kFirstKindWithoutAxle = 30;

// Pen colours in the order of the PenPlaced flags and the locus lists.
constexpr int kPenColours = 4;
constexpr int PenColourIndex(int32_t penKind) { return penKind - PenBlack; }
constexpr bool IsPenColour(int32_t code) { return code >= PenBlack && code <= PenGreen; }

// The code's name as it appears in PartKind; empty for unknown codes.
constexpr std::string_view PartKindName(int32_t kind) {
  switch (kind) {
    case DiskActive1: return "DiskActive1";
    case DiskActive2: return "DiskActive2";
    case DiskActive3: return "DiskActive3";
    case RodActive1: return "RodActive1";
    case RodActive2: return "RodActive2";
    case DiskPassive1: return "DiskPassive1";
    case DiskPassive2: return "DiskPassive2";
    case DiskPassive3: return "DiskPassive3";
    case RodPassive1: return "RodPassive1";
    case RodPassive2: return "RodPassive2";
    case RodPassive3: return "RodPassive3";
    case RodPassive4: return "RodPassive4";
    case RodPassive5: return "RodPassive5";
    case RodPassive6: return "RodPassive6";
    case Triangle1: return "Triangle1";
    case Triangle2: return "Triangle2";
    case Triangle3: return "Triangle3";
    case Lgata1: return "Lgata1";
    case Lgata2: return "Lgata2";
    case Lgata3: return "Lgata3";
    case Hatome: return "Hatome";
    case KoteiPin: return "KoteiPin";
    case PistonActive: return "PistonActive";
    case PistonPassive: return "PistonPassive";
    case PenBlack: return "PenBlack";
    case PenRed: return "PenRed";
    case PenBlue: return "PenBlue";
    case PenGreen: return "PenGreen";
    default: return "";
  }
}

// Lower-case colour names in the order of the pen colours.
constexpr std::string_view PenColourName(int32_t penKind) {
  constexpr std::string_view names[kPenColours] = {"black", "red", "blue", "green"};
  return IsPenColour(penKind) ? names[PenColourIndex(penKind)] : std::string_view();
}

}  // namespace morvane
