#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/message.h"
#include "solver/progress_log.h"

namespace morvane {

// The solver writes a line at every decision, thousands per turn, while the
// log window is usually closed: lines are built only when they are kept.

std::string LogValue(int value);
// General decimal form, as the model file writes numbers.
std::string LogValue(double value);
inline std::string LogValue(const std::string& value) { return value; }

// The text with each {i} replaced by values[i].
std::string FillPlaceholders(std::string_view text, const std::vector<std::string>& values);

// The indent of the solver's lines: 2 * depth + 1 blanks, at most 68.
std::string_view SolverIndent(int depth);

template <typename... Values>
void WriteLogLine(ProgressLog& log, std::string_view indent, Language language, const Message& text,
                  const Values&... values) {
  if (log.Enabled) {
    AppendProgressLog(log, std::string(indent) + FillPlaceholders(TextFor(text, language), {LogValue(values)...}));
  }
}

}  // namespace morvane
