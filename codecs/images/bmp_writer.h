#pragma once

#include <string>

#include "codecs/rgb_frame.h"

namespace morvane {

// Writes the frame as an uncompressed 24-bit Windows bitmap (file header and
// 40-byte info header, rows bottom-up as blue, green, red, each padded to 4
// bytes). False when the frame is empty or too large for the format, or the
// file cannot be written; an existing file of that name is then untouched.
[[nodiscard]] bool WriteBmp(const RgbFrame& frame, const std::string& path);

}  // namespace morvane
