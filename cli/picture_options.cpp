#include "cli/picture_options.h"

#include <string_view>
#include <vector>

#include "cli/cli_command.h"
#include "view/canvas_pictures.h"

namespace morvane::cli {

namespace {

constexpr int kMaxOutputSide = 10000;

// Whole numbers separated by `separator`, exactly `count` of them.
std::optional<std::vector<int>> ParseIntList(std::string_view text, char separator, size_t count) {
  std::vector<int> values;
  for (size_t start = 0;;) {
    const size_t end = text.find(separator, start);
    const auto value = ParseInt(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (!value) {
      return std::nullopt;
    }
    values.push_back(*value);
    if (end == std::string_view::npos) {
      break;
    }
    start = end + 1;
  }
  return values.size() == count ? std::optional(values) : std::nullopt;
}

}  // namespace

// Each number is checked against the canvas on its own, before any sum: a
// rectangle's far edge, computed from a corner and a side anywhere in the
// range of int, could overflow.
std::optional<QRect> ParseArea(const std::string& text) {
  const auto v = ParseIntList(text, ',', 4);
  if (!v) {
    return std::nullopt;
  }
  const int x = (*v)[0], y = (*v)[1], width = (*v)[2], height = (*v)[3];
  if (width < 1 || height < 1 || x < 0 || y < 0 || x > view::kCanvasWidth - width ||
      y > view::kCanvasHeight - height) {
    return std::nullopt;
  }
  return QRect(x, y, width, height);
}

std::optional<QSize> ParseSize(const std::string& text) {
  const auto v = ParseIntList(text, 'x', 2);
  const auto inRange = [](int side) { return side >= 1 && side <= kMaxOutputSide; };
  if (!v || !inRange((*v)[0]) || !inRange((*v)[1])) {
    return std::nullopt;
  }
  return QSize((*v)[0], (*v)[1]);
}

}  // namespace morvane::cli
