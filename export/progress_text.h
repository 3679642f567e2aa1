#pragma once

#include <string>
#include <string_view>

namespace morvane::exporting {

// The progress text with its %d replaced by the percentage in decimal.
std::string ProgressLine(std::string_view progressText, int percent);

// Frame `done` of the frames 0 ... `last` as a whole percentage, rounded to
// the nearest (no frame count the exports use gives a half).
int ProgressPercent(int done, int last);

}  // namespace morvane::exporting
