#pragma once

#include <cstdint>

namespace morvane::exporting {

// The rectangle of the 1280 x 960 canvas that images, movies and prints show,
// in canvas pixels, as the area dialog last confirmed it. The dialog counts
// one preview pixel more on each side before scaling by 4, so the area is
// never empty; it may reach a few pixels past the canvas (a rectangle drawn
// from the preview's first row starts 4 pixels above it), and a moved
// rectangle further.
struct ExportArea {
  int32_t AreaX = 0;
  int32_t AreaY = 0;
  int32_t AreaWidth = 1280;
  int32_t AreaHeight = 960;

  bool operator==(const ExportArea&) const = default;
};

}  // namespace morvane::exporting
