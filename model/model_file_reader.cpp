#include <memory>

#include "model/file_io.h"
#include "model/model_consistency.h"
#include "model/model_file.h"
#include "model/model_file_layout.h"
#include "model/model_texts.h"
#include "model/number_format.h"

namespace morvane {

namespace {

bool EqualsIgnoringCase(std::string_view text, std::string_view lowerCaseWord) {
  if (text.size() != lowerCaseWord.size()) {
    return false;
  }
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
    if (c != lowerCaseWord[i]) {
      return false;
    }
  }
  return true;
}

// Hands out the lines of a model text one by one. Lines end with CR LF, a
// lone LF or a lone CR, so files that passed through any editor still read.
// Every function refuses a missing line or a value that is not of its kind.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : rest_(text) {}

  // Lines 0 and 2 are decoration; only the version line decides.
  bool Header() {
    const bool first = Next().has_value();
    const std::optional<std::string_view> version = Next();
    return first && version == kModelFileHeader && Next().has_value();
  }
  bool Integer(int32_t& value) { return Take(ParseIntegerLine(), value); }
  // Any number reads, as files of older programs may hold any.
  template <typename Enum>
  bool Code(Enum& value) {
    int32_t number = 0;
    if (!Integer(number)) {
      return false;
    }
    value = static_cast<Enum>(number);
    return true;
  }
  bool Number(double& value) { return Take(ParseNumberLine(), value); }
  bool Boolean(bool& value) { return Take(ParseBooleanLine(), value); }
  // Counts bound the loops over the fixed slots, so they must fit them.
  bool Count(int32_t& value, int capacity) {
    const std::optional<int32_t> count = ParseIntegerLine();
    return count && *count >= 0 && *count <= capacity && Take(count, value);
  }

  // Editors often add blank lines at the end; anything else after the last
  // block means the counts do not describe the content, so no part of it can
  // be trusted.
  bool OnlyBlankLinesLeft() {
    for (std::optional<std::string_view> line = Next(); line; line = Next()) {
      if (!line->empty()) {
        return false;
      }
    }
    return true;
  }

 private:
  std::optional<std::string_view> Next() {
    if (rest_.empty()) {
      return std::nullopt;
    }
    const size_t end = rest_.find_first_of("\r\n");
    const std::string_view line = rest_.substr(0, end);
    const bool crLf = end != std::string_view::npos && rest_.substr(end, 2) == "\r\n";
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + (crLf ? 2 : 1));
    return line;
  }

  std::optional<int32_t> ParseIntegerLine() {
    const std::optional<std::string_view> line = Next();
    return line ? ParseInteger(*line) : std::nullopt;
  }
  // The bound of a number is checked with the whole model.
  std::optional<double> ParseNumberLine() {
    const std::optional<std::string_view> line = Next();
    return line ? ParseNumber(*line) : std::nullopt;
  }
  std::optional<bool> ParseBooleanLine() {
    const std::optional<std::string_view> line = Next();
    if (!line) {
      return std::nullopt;
    }
    if (EqualsIgnoringCase(*line, "true") || EqualsIgnoringCase(*line, "false")) {
      return EqualsIgnoringCase(*line, "true");
    }
    const std::optional<double> number = ParseNumber(*line);
    return number ? std::optional<bool>(*number != 0) : std::nullopt;
  }

  template <typename T>
  static bool Take(const std::optional<T>& parsed, T& value) {
    if (parsed) {
      value = *parsed;
    }
    return parsed.has_value();
  }

  std::string_view rest_;
};

}  // namespace

ReadResult ParseModelText(std::string_view text, ModelState& model) {
  // About 100 KB: too large for the stack of a window's event handler.
  const auto parsed = std::make_unique<ModelState>();
  LineReader lines(text);
  if (!WalkModel(*parsed, lines) || !lines.OnlyBlankLinesLeft() || !IsConsistentModel(*parsed)) {
    return {ReadStatus::Broken, model_texts::FileBroken};
  }
  model = *parsed;
  // The program sets the track bar here, not the user: the drive must not act.
  SetTrackPositionQuietly(model, parsed->TrackPosition);
  return {};
}

ReadResult ReadModelFile(const std::string& path, ModelState& model) {
  const std::optional<std::string> text = ReadWholeFile(path, kLargestModelFile);
  if (!text) {
    return {ReadStatus::Unreadable, model_texts::ReadFailed};
  }
  return ParseModelText(*text, model);
}

}  // namespace morvane
