#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// The whole content of a file; nullopt when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes `bytes` to a new temporary file beside `path`, flushes it to the disk
// and renames it over `path`. Returns false when any step fails; the temporary
// is then removed and whatever stood at `path` is left as it was.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace morvane
