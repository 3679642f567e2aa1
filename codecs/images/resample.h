#pragma once

#include "codecs/rgb_frame.h"

namespace morvane {

// Scales a picture by area averaging: every output pixel covers a rectangle
// of the source (its footprint) and takes the mean colour under it, source
// pixels cut by the footprint's edges counting by the part they lie inside.
// Exports use it to shrink the chosen area to a movie frame or a series cell
// and, at the same size, to copy it unchanged.
// The source must be at least 1 x 1 and so must the result.
RgbImage ResampleBitmap(const RgbFrame& source, int width, int height);

}  // namespace morvane
