#include "app/ui_language.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace morvane::app {

namespace {

constexpr std::string_view kProgramName = "morvane";

bool LocaleIsJapanese(const EnvironmentLookup& environment) {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = environment(variable);
    if (value != nullptr && *value != '\0') {
      return std::string_view(value).starts_with("ja");
    }
  }
  return false;
}

// The file name without folder and extension, lower-cased. A leading dot
// starts a hidden name, not an extension.
std::string BareLowerName(std::string_view path) {
  std::string_view name = path.substr(path.find_last_of('/') + 1);
  const size_t dot = name.find_last_of('.');
  if (dot != std::string_view::npos && dot > 0) {
    name = name.substr(0, dot);
  }
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

// Our own name ends in "e", so only what a copy adds after it can ask for
// English; a name without ours is judged whole.
bool NameAsksForEnglish(std::string_view executablePath) {
  const std::string name = BareLowerName(executablePath);
  const size_t own = name.find(kProgramName);
  const std::string_view tail =
      own == std::string::npos ? std::string_view(name) : std::string_view(name).substr(own + kProgramName.size());
  return tail.ends_with('e');
}

}  // namespace

Language ChooseUiLanguage(const EnvironmentLookup& environment, std::string_view executablePath) {
  if (NameAsksForEnglish(executablePath) || !LocaleIsJapanese(environment)) {
    return Language::English;
  }
  return Language::Japanese;
}

}  // namespace morvane::app
