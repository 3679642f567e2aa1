#pragma once

#include <cstdint>
#include <optional>

#include "session/session.h"

namespace morvane::examples {

// Building a model the way a user does, through the palette of a session, for
// the example generator and the benchmarks. Both throw std::runtime_error
// when nothing is placed, so that a construction mistake cannot pass unnoticed.

// Drops a part from the palette at (x, y) (snapped to the grid), turned by
// `angle` and, when `size` is given, resized; returns its index.
int AddPart(Session& session, int32_t kind, double x, double y, double angle = 0, std::optional<double> size = {});

// Drops a pin or a pen at (x, y), into the holes that lie there.
void Drop(Session& session, int32_t kind, double x, double y);

}  // namespace morvane::examples
