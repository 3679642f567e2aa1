#pragma once

// An RgbFrame laid out as the uncompressed device-independent bitmap of one
// AVI frame: rows from the bottom up, each row padded to a multiple of four
// bytes, pixels either 16 bits (x1r5g5b5, little-endian, the top 5 bits of
// each channel) or 24 bits (blue, green, red).

#include <cstdint>

#include "codecs/avi/avi_layout.h"
#include "codecs/rgb_frame.h"

namespace morvane {

// Draws `frame` over the whole Width x Height picture of `format` into `out`
// (FrameBytes(format) long), taking the nearest source pixel when the sizes
// differ. An empty frame leaves `out` as it was. Padding bytes are not
// touched, so a buffer that starts zeroed keeps them zero.
void DrawDibFrame(const RgbFrame& frame, const AviFormat& format, uint8_t* out);

}  // namespace morvane
