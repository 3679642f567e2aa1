#pragma once

#include <cstdint>
#include <optional>

#include "model/model_state.h"

namespace morvane::testing {

// Building a model on its tables the way the palette does, for the tests of
// the model, the solver and the renderer, which need no session. Both throw std::runtime_error when nothing is placed, so that a
// construction mistake cannot pass unnoticed.

// Drops a part from the palette at (x, y) (snapped to the grid), turned by
// `angle` and, when `size` is given, resized; returns its index.
int AddPart(ModelState& model, int32_t kind, double x, double y, double angle = 0, std::optional<double> size = {});

// Drops a pin or a pen at (x, y), into the holes that lie there.
void Drop(ModelState& model, int32_t kind, double x, double y);

}  // namespace morvane::testing
