#pragma once

#include <QPainter>

#include "export/pixel_box.h"

namespace morvane::exporting {

// An unfilled black frame, one pixel wide, whose outline covers the box's
// pixels from Left to Right - 1 and from Top to Bottom - 1.
void DrawFrame(QPainter& painter, const PixelBox& box);

}  // namespace morvane::exporting
