#pragma once

#include "model/model_state.h"

namespace morvane {

// Whether the model would pass the reader's checks if it were saved and read
// back: counts within their tables, every coordinate, size, angle and offset
// finite and within kLargestFileNumber, the power part among the parts, the
// track positions on the bar and pin numbers left to hand out. Every model the
// reader accepts passes; so must every model an edit or a drive step leaves.
bool IsConsistentModel(const ModelState& model);

}  // namespace morvane
