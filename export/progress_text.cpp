#include "export/progress_text.h"

#include <cassert>

namespace morvane::exporting {

std::string ProgressLine(std::string_view progressText, int percent) {
  std::string line(progressText);
  if (const size_t mark = line.find("%d"); mark != std::string::npos) {
    line.replace(mark, 2, std::to_string(percent));
  }
  return line;
}

int ProgressPercent(int done, int last) {
  assert(last > 0 && done >= 0);
  return (100 * done + last / 2) / last;
}

}  // namespace morvane::exporting
