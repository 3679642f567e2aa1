#pragma once

#include <cstdio>
#include <cstdlib>
#include <source_location>

namespace morvane {

// A condition that only a programming error can break. It is checked in
// release builds too: a crash in class is better than a silently wrong
// picture or a read outside a frame.
inline void Require(bool holds, const char* what, std::source_location where = std::source_location::current()) {
  if (!holds) {
    std::fprintf(stderr, "%s:%u: broken invariant: %s\n", where.file_name(), static_cast<unsigned>(where.line()),
                 what);
    std::abort();
  }
}

}  // namespace morvane
