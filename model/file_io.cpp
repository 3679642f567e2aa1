#include "model/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace morvane {

namespace {

bool AppendUpTo(int fd, std::string& out, size_t maxBytes) {
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n < 0) {
      return false;
    }
    if (n == 0) {
      return true;
    }
    out.append(buffer, static_cast<size_t>(n));
    if (out.size() > maxBytes) {
      return false;
    }
  }
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, size_t maxBytes) {
  // Non-blocking, so that opening a pipe with no writer does not hang before
  // it is known to be no regular file.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    return std::nullopt;
  }
  struct stat info {};
  std::string content;
  const bool complete = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                        static_cast<uint64_t>(info.st_size) <= maxBytes && AppendUpTo(fd, content, maxBytes);
  if (close(fd) != 0 || !complete) {
    return std::nullopt;
  }
  return content;
}

}  // namespace morvane
