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

std::optional<QRect> ParseArea(const std::string& text) {
  const auto v = ParseIntList(text, ',', 4);
  if (!v || (*v)[2] < 1 || (*v)[3] < 1) {
    return std::nullopt;
  }
  const QRect area((*v)[0], (*v)[1], (*v)[2], (*v)[3]);
  if (!QRect(0, 0, view::kCanvasWidth, view::kCanvasHeight).contains(area)) {
    return std::nullopt;
  }
  return area;
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
