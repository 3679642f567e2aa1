#include "tests/solver_fixture.h"

#include <algorithm>
#include <stdexcept>

#include "model/catalogue.h"

namespace morvane::testing {

int AddPart(ModelState& model, int32_t kind, double x, double y, double angle) {
  if (CreatePart(model, kind, x, y)) {
    throw std::runtime_error("part refused");
  }
  const int index = model.PartCount - 1;
  model.PartTable[index].Angle = angle;
  FinishPartDrop(model, index);
  return index;
}

void Drop(ModelState& model, int32_t kind, double x, double y) {
  const Table before = model.PartTable;
  if (DropPinOrPen(model, kind, x, y) || model.PartTable == before) {
    throw std::runtime_error("nothing placed at " + std::to_string(x) + ", " + std::to_string(y));
  }
}

PartRecord MakePart(int32_t kind, double x, double y, std::initializer_list<SlotSpec> slots, double size,
                    double angle) {
  PartRecord part;
  part.Kind = kind;
  part.X = x;
  part.Y = y;
  part.Size = size;
  part.Angle = angle;
  part.Visible = true;
  for (const SlotSpec& slot : slots) {
    const int s = part.PinCount++;
    part.PinId[s] = slot.Id;
    part.PinState[s] = slot.State;
    part.PinX[s] = slot.X;
    part.PinY[s] = slot.Y;
  }
  return part;
}

SolverFixture::SolverFixture(std::initializer_list<PartRecord> parts, int uiLanguage) {
  Log.Enabled = true;
  Solver.UiLanguage = uiLanguage;
  std::copy(parts.begin(), parts.end(), Model->PartTable.begin());
  Model->PartCount = static_cast<int32_t>(parts.size());
  Model->WorkTable = Model->PartTable;
}

bool SolverFixture::Logged(const std::string& line) const {
  return std::find(Log.Lines.begin(), Log.Lines.end(), line) != Log.Lines.end();
}

int DriveRig::CountLogged(const std::string& line) const {
  return static_cast<int>(std::count(Log.Lines.begin(), Log.Lines.end(), line));
}

}  // namespace morvane::testing
