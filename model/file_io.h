#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace morvane {

// The whole content of a regular file of at most `maxBytes` bytes; nullopt
// when it cannot be opened or read, is not a regular file (a device or pipe
// could be read for ever) or is larger.
std::optional<std::string> ReadWholeFile(const std::string& path, size_t maxBytes);

}  // namespace morvane
