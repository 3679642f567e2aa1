#include <string>

#include "model/model_file.h"
#include "model/model_file_layout.h"
#include "model/model_texts.h"
#include "model/number_format.h"
#include "model/output_file.h"

namespace morvane {

namespace {

constexpr std::string_view kHyphenLine = "------------------------------------";
constexpr std::string_view kLineEnd = "\r\n";

class LineWriter {
 public:
  bool Header() {
    Line(kHyphenLine);
    Line(kModelFileHeader);
    Line(kHyphenLine);
    return true;
  }
  bool Integer(int32_t value) { return Line(std::to_string(value)); }
  bool Number(double value) { return Line(FormatGeneral(value)); }
  bool Boolean(bool value) { return Line(value ? "True" : "False"); }
  template <typename Enum>
  bool Code(Enum value) {
    return Integer(static_cast<int32_t>(value));
  }
  // A count beyond its slots means the model in memory is damaged; writing on
  // would read past the table, so the walk stops and nothing is written.
  bool Count(int32_t value, int capacity) { return value >= 0 && value <= capacity && Integer(value); }

  std::string Text;

 private:
  bool Line(std::string_view line) {
    Text += line;
    Text += kLineEnd;
    return true;
  }
};

}  // namespace

// Every line, the last one included, ends with CR LF.
std::optional<std::string> FormatModelText(const ModelState& model) {
  LineWriter lines;
  if (!WalkModel(model, lines)) {
    return std::nullopt;
  }
  return std::move(lines.Text);
}

std::optional<Message> WriteModelFile(const std::string& path, const ModelState& model) {
  const std::optional<std::string> text = FormatModelText(model);
  if (!text || !WriteWholeFile(path, *text)) {
    return model_texts::WriteFailed;
  }
  return std::nullopt;
}

}  // namespace morvane
