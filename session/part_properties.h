#pragma once

#include <string>

#include "model/message.h"
#include "model/model_state.h"

namespace morvane {

// The texts of the property window for one part and, when the point is on
// one of its pins, that pin.
struct PartProperties {
  std::string Name;      // txtPartsName
  std::string Position;  // txtPartsPosition
  std::string Angle;     // txtPartsAngle
  std::string Pins;      // txtPinCount
  std::string Parts;     // txtPatrsCount
  std::string Range;     // txtMoveArea
  std::string Number;    // lblNumber
};

PartProperties DescribePart(const ModelState& model, int part, double x, double y, Language language);

}  // namespace morvane
