#include "examples/model_building.h"

#include <stdexcept>
#include <string>

namespace morvane::examples {

namespace {

// The new record sits at the end of the table from the press to the drop.
PartRecord& Pressed(Session& session, int32_t kind, double x, double y) {
  if (session.PressPalette(kind, x, y, true) || session.Dragging() != DragMode::Palette) {
    throw std::runtime_error("palette press refused");
  }
  return session.MutableModel().PartTable[session.Model().PartCount - 1];
}

}  // namespace

int AddPart(Session& session, int32_t kind, double x, double y, double angle, std::optional<double> size) {
  PartRecord& part = Pressed(session, kind, x, y);
  // Turned and sized before the drop, so that the drop's snapshot records them.
  part.Angle = angle;
  part.Size = size.value_or(part.Size);
  session.DropPalette(true);
  return session.Model().PartCount - 1;
}

void Drop(Session& session, int32_t kind, double x, double y) {
  const Table before = session.Model().PartTable;
  Pressed(session, kind, x, y);
  if (session.DropPalette(true) || session.Model().PartTable == before) {
    throw std::runtime_error("nothing placed at " + std::to_string(x) + ", " + std::to_string(y));
  }
}

}  // namespace morvane::examples
