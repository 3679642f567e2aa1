#include "export/export_names.h"

#include <algorithm>

#include "model/model_file.h"

namespace morvane::exporting {

// The model's proposal looks for one extension; asking it about the bare name
// and testing every extension here makes it look for all of them.
std::string ProposeExportName(const DocumentNames& names, std::span<const std::string_view> extensions,
                              Language language, const std::function<bool(const std::string&)>& fileExists) {
  const auto anyExists = [&](const std::string& bare) {
    return std::any_of(extensions.begin(), extensions.end(),
                       [&](std::string_view extension) { return fileExists(bare + std::string(extension)); });
  };
  return ProposeFileName(names, "", language, anyExists);
}

std::string PrintName(const DocumentNames& names, Language language) {
  return ProposeFileName(names, "", language, [](const std::string&) { return false; });
}

}  // namespace morvane::exporting
