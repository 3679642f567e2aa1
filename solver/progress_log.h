#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>

namespace morvane {

// The solver's and the drive's report, line by line. Lines are kept only while
// the progress window is open; otherwise they are dropped, not buffered.
struct ProgressLog {
  // A turn at the lowest speed logs about 9,000 lines; beyond this many the
  // oldest go, so a log left open while the mechanism turns stays bounded.
  static constexpr std::size_t kKeptLines = 10000;

  bool Enabled = false;
  // Nesting of the solver; sets the indent of its lines.
  int SolverDepth = 0;
  std::deque<std::string> Lines;
  // Told of every line kept, as it is appended: the window shows it at once.
  std::function<void(const std::string&)> OnLine;

  void Clear();
};

void AppendProgressLog(ProgressLog& log, const std::string& line);

}  // namespace morvane
