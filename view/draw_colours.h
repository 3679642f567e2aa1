#pragma once

#include <QRgb>
#include <cstdint>

#include "model/part_kind.h"

namespace morvane::view {

constexpr QRgb kWhite = qRgb(255, 255, 255);
// Background dots, holes and the fill left between shapes.
constexpr QRgb kGrey = qRgb(128, 128, 128);
constexpr QRgb kBlack = qRgb(0, 0, 0);
// Every plain body: plain disks, rods, plates, the rods of pistons and power rods.
constexpr QRgb kPlainBody = qRgb(128, 128, 255);
// What marks the power part: its disk, the pivot disk of a power rod, the head of a power piston.
constexpr QRgb kPowerMark = qRgb(255, 143, 128);
constexpr QRgb kCylinder = qRgb(136, 136, 136);
constexpr QRgb kPlainHead = qRgb(204, 204, 204);
constexpr QRgb kPinRing = qRgb(192, 192, 192);

// Marks and trails of a pen colour code; black for codes outside 101..104, the
// colour the canvas pen has when no other is set.
constexpr QRgb PenColour(int32_t penKind) {
  switch (penKind) {
    case PenRed: return qRgb(255, 0, 0);
    case PenBlue: return qRgb(0, 0, 255);
    case PenGreen: return qRgb(0, 128, 0);
    default: return kBlack;
  }
}

// The colour that stands for a part in the part-index picture.
constexpr QRgb IndexColour(int partIndex) { return qRgb(partIndex, 0, 0); }

}  // namespace morvane::view
