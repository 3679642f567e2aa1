#pragma once

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <iterator>
#include <string>

#include "tests/test_support.h"

namespace morvane::testing {

// A temporary folder that goes away with the test.
struct TempFolder {
  const std::filesystem::path Path = MakeTempFolder();
  ~TempFolder() { std::filesystem::remove_all(Path); }
  std::filesystem::path operator/(const std::string& name) const { return Path / name; }
  size_t EntryCount() const {
    return std::distance(std::filesystem::directory_iterator(Path), std::filesystem::directory_iterator());
  }
};

// While it lives, writes beyond `bytes` fail (with SIGXFSZ ignored), so a
// write that breaks off part-way can be produced for real, also as root.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, saved_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

}  // namespace morvane::testing
