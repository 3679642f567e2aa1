#pragma once

#include <string>

#include "codecs/rgb_frame.h"

namespace morvane {

// Writes the frame as a baseline colour JPEG at quality 100 with full-size
// chroma (4:4:4), so thin coloured lines of the canvas stay sharp. False when
// libjpeg refuses the picture or the file cannot be written; an existing file
// of that name is then untouched.
[[nodiscard]] bool WriteJpeg(const RgbFrame& frame, const std::string& path);

}  // namespace morvane
