#include "solver/log_line.h"

#include <algorithm>

#include "model/number_format.h"

namespace morvane {

std::string LogValue(int value) { return std::to_string(value); }

std::string LogValue(double value) { return FormatGeneral(value); }

std::string FillPlaceholders(std::string_view text, const std::vector<std::string>& values) {
  std::string line;
  line.reserve(text.size() + 16);
  for (size_t i = 0; i < text.size(); ++i) {
    const size_t close = text[i] == '{' ? text.find('}', i) : std::string_view::npos;
    const size_t index = close == i + 2 ? static_cast<size_t>(text[i + 1] - '0') : values.size();
    if (index < values.size()) {
      line += values[index];
      i = close;
    } else {
      line += text[i];
    }
  }
  return line;
}

std::string_view SolverIndent(int depth) {
  static const std::string blanks(68, ' ');
  const int width = std::clamp(2 * depth + 1, 0, 68);
  return std::string_view(blanks).substr(0, static_cast<size_t>(width));
}

}  // namespace morvane
