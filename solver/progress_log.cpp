#include "solver/progress_log.h"

namespace morvane {

void ProgressLog::Clear() {
  SolverDepth = 0;
  Lines.clear();
}

void AppendProgressLog(ProgressLog& log, const std::string& line) {
  if (!log.Enabled) {
    return;
  }
  log.Lines.push_back(line);
  if (log.Lines.size() > ProgressLog::kKeptLines) {
    log.Lines.pop_front();
  }
  if (log.OnLine) {
    log.OnLine(line);
  }
}

}  // namespace morvane
