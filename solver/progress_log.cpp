#include "solver/progress_log.h"

namespace morvane {

void ProgressLog::Clear() {
  SolverDepth = 0;
  Lines.clear();
}

void AppendProgressLog(ProgressLog& log, const std::string& line) {
  if (log.Enabled) {
    log.Lines.push_back(line);
  }
}

}  // namespace morvane
