#include <string>

#include "model/model_file.h"
#include "model/model_texts.h"

namespace morvane {

namespace {

// Characters, not bytes: a remembered name may end in Japanese letters.
constexpr int kExtensionCharacters = 4;

bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::string WithoutLastCharacters(std::string_view name, int count) {
  size_t end = name.size();
  for (int i = 0; i < count && end > 0; ++i) {
    do {
      --end;
    } while (end > 0 && IsUtf8Continuation(name[end]));
  }
  return std::string(name.substr(0, end));
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EndsWithIgnoringCase(std::string_view text, std::string_view ending) {
  if (text.size() < ending.size()) {
    return false;
  }
  const std::string_view tail = text.substr(text.size() - ending.size());
  for (size_t i = 0; i < ending.size(); ++i) {
    if (LowerAscii(tail[i]) != LowerAscii(ending[i])) {
      return false;
    }
  }
  return true;
}

// An empty folder means the current one, which needs no separator.
std::string InFolder(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder.back() == '/') {
    return folder + name;
  }
  return folder + "/" + name;
}

}  // namespace

std::string ProposeFileName(const DocumentNames& names, std::string_view extension, Language language,
                            const std::function<bool(const std::string&)>& fileExists) {
  if (!names.LastModelName.empty()) {
    return WithoutLastCharacters(names.LastModelName, kExtensionCharacters);
  }
  const std::string base(TextFor(model_texts::NewName, language));
  std::string name = base;
  for (int n = 1; fileExists(InFolder(names.LastModelFolder, name + std::string(extension))); ++n) {
    name = base + "(" + std::to_string(n) + ")";
  }
  return name;
}

std::string WithExtension(const std::string& chosen, std::string_view extension) {
  return EndsWithIgnoringCase(chosen, extension) ? chosen : chosen + std::string(extension);
}

void RememberFileName(DocumentNames& names, const std::string& path) {
  const size_t slash = path.rfind('/');
  const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  names.LastModelFolder = path.substr(0, nameStart);
  names.LastModelName = path.substr(nameStart);
}

}  // namespace morvane
