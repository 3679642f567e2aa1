#include "tests/part_building.h"

#include <stdexcept>
#include <string>

#include "model/catalogue.h"

namespace morvane::testing {

int AddPart(ModelState& model, int32_t kind, double x, double y, double angle, std::optional<double> size) {
  if (CreatePart(model, kind, x, y)) {
    throw std::runtime_error("part refused");
  }
  const int index = model.PartCount - 1;
  model.PartTable[index].Angle = angle;
  FinishPartDrop(model, index);
  model.PartTable[index].Size = size.value_or(model.PartTable[index].Size);
  return index;
}

void Drop(ModelState& model, int32_t kind, double x, double y) {
  const Table before = model.PartTable;
  if (DropPinOrPen(model, kind, x, y) || model.PartTable == before) {
    throw std::runtime_error("nothing placed at " + std::to_string(x) + ", " + std::to_string(y));
  }
}

}  // namespace morvane::testing
