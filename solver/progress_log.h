#pragma once

#include <string>
#include <vector>

namespace morvane {

// The solver's and the drive's report, line by line. Lines are kept only while
// the progress window is open; otherwise they are dropped, not buffered.
struct ProgressLog {
  bool Enabled = false;
  // Nesting of the solver; sets the indent of its lines.
  int SolverDepth = 0;
  std::vector<std::string> Lines;

  void Clear();
};

void AppendProgressLog(ProgressLog& log, const std::string& line);

}  // namespace morvane
