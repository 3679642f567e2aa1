#pragma once

#include <string>

#include "codecs/rgb_frame.h"

namespace morvane {

// Writes the frame as a GIF89a picture in the fixed 216-colour palette
// (nearest colour, no dithering), its colour table holding only the colours
// used. False when the frame is empty or the file cannot be written; an
// existing file of that name is then untouched.
[[nodiscard]] bool WriteGif(const RgbFrame& frame, const std::string& path);

}  // namespace morvane
