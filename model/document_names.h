#pragma once

#include <string>

namespace morvane {

// Folder (with its trailing separator) and file name of the last model or
// export file; the open and save dialogs start from them.
struct DocumentNames {
  std::string LastModelFolder;
  std::string LastModelName;
};

}  // namespace morvane
