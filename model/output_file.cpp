#include "model/output_file.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <optional>

#include "model/temporary_files.h"

namespace morvane {

namespace {

std::atomic<PipeWithoutReader> pipeWithoutReader{PipeWithoutReader::Refuse};

// Far more than any real chain of links; a loop of links ends here.
constexpr int kMaxLinkHops = 40;

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) {
    return ".";
  }
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The path a chain of symbolic links ends at; the path itself when it is no
// link or does not exist yet. Nullopt for a loop or an unreadable link.
std::optional<std::string> FollowLinks(std::string path) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
      return path;
    }
    char buffer[PATH_MAX];
    const ssize_t n = readlink(path.c_str(), buffer, sizeof buffer - 1);
    if (n < 0) {
      return std::nullopt;
    }
    const std::string target(buffer, static_cast<size_t>(n));
    path = target.front() == '/' ? target : FolderOf(path) + "/" + target;
  }
  return std::nullopt;
}

// Root may write anything, so a file whose owner took away every write
// permission is refused by its mode as well.
bool MayReplace(const std::string& path, const struct stat& info) {
  return (info.st_mode & 0222) != 0 && access(path.c_str(), W_OK) == 0;
}

mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

bool SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    return false;
  }
  const bool synced = fsync(fd) == 0;
  close(fd);
  return synced;
}

template <typename Call>
bool RetryWholly(const char* data, size_t size, Call call) {
  while (size > 0) {
    const ssize_t n = call(data, size);
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n <= 0) {
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

std::unique_ptr<OutputFile> OutputFile::Open(const std::string& path) {
  const std::optional<std::string> target = FollowLinks(path);
  if (!target || target->empty()) {
    return nullptr;
  }
  struct stat existing {};
  const bool exists = stat(target->c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) {
    return nullptr;
  }
  if (exists && !S_ISREG(existing.st_mode)) {
    return OpenInPlace(*target);
  }
  if (exists && !MayReplace(*target, existing)) {
    return nullptr;
  }
  std::unique_ptr<OutputFile> file = OpenTemporary(*target);
  if (!file) {
    return nullptr;
  }
  if (exists) {
    if (fchmod(file->fd_, existing.st_mode & 07777) != 0) {
      return nullptr;
    }
    // Only root may give a file away; for anyone else the owner is theirs anyway.
    if (fchown(file->fd_, existing.st_uid, existing.st_gid) != 0 && geteuid() == 0) {
      return nullptr;
    }
  } else if (fchmod(file->fd_, NewFileMode()) != 0) {
    return nullptr;
  }
  return file;
}

// Without O_NONBLOCK, opening a pipe waits until a program opens it for
// reading, for ever if none does. With it, a pipe without a reader fails at
// once (ENXIO); the writes that follow block again as usual.
std::unique_ptr<OutputFile> OutputFile::OpenInPlace(const std::string& target) {
  const bool wait = pipeWithoutReader.load() == PipeWithoutReader::Wait;
  const int fd = open(target.c_str(), O_WRONLY | O_CLOEXEC | (wait ? 0 : O_NONBLOCK));
  if (fd < 0) {
    return nullptr;
  }
  std::unique_ptr<OutputFile> file(new OutputFile(fd, target, "", -1));
  const int flags = fcntl(fd, F_GETFL);
  if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    return nullptr;
  }
  return file;
}

// A short name, so that a target whose name nearly fills the file system's
// limit can still be written.
std::unique_ptr<OutputFile> OutputFile::OpenTemporary(const std::string& target) {
  std::string temporary = FolderOf(target) + "/.mvtmp-XXXXXX";
  int ticket = -1;
  const int fd = CreateTemporary(temporary, ticket);
  if (fd < 0) {
    return nullptr;
  }
  return std::unique_ptr<OutputFile>(new OutputFile(fd, target, std::move(temporary), ticket));
}

OutputFile::OutputFile(int fd, std::string target, std::string temporary, int ticket)
    : fd_(fd), target_(std::move(target)), temporary_(std::move(temporary)), ticket_(ticket) {}

OutputFile::~OutputFile() { Discard(); }

bool OutputFile::Write(const void* data, size_t size) {
  if (failed_) {
    return false;
  }
  failed_ = !RetryWholly(static_cast<const char*>(data), size,
                         [&](const char* p, size_t n) { return write(fd_, p, n); });
  size_ += failed_ ? 0 : size;
  return !failed_;
}

bool OutputFile::WriteAt(uint64_t offset, const void* data, size_t size) {
  if (failed_) {
    return false;
  }
  failed_ = offset + size > size_ || !RetryWholly(static_cast<const char*>(data), size, [&](const char* p, size_t n) {
    const ssize_t done = pwrite(fd_, p, n, static_cast<off_t>(offset));
    offset += done > 0 ? static_cast<uint64_t>(done) : 0;
    return done;
  });
  return !failed_;
}

bool OutputFile::Commit() {
  if (fd_ < 0) {
    return false;
  }
  if (temporary_.empty()) {
    const bool closed = close(fd_) == 0;
    fd_ = -1;
    return !failed_ && closed;
  }
  const bool synced = !failed_ && fsync(fd_) == 0;
  const bool closed = close(fd_) == 0;
  fd_ = -1;
  if (!synced || !closed || std::rename(temporary_.c_str(), target_.c_str()) != 0) {
    Discard();
    return false;
  }
  temporary_.clear();
  ForgetTemporary(ticket_);
  ticket_ = -1;
  // The rename is done; a folder that cannot be synced changes nothing the
  // user could act on.
  SyncFolder(FolderOf(target_));
  return true;
}

void OutputFile::Discard() {
  if (fd_ >= 0) {
    close(fd_);
    fd_ = -1;
  }
  if (!temporary_.empty()) {
    unlink(temporary_.c_str());
    temporary_.clear();
  }
  ForgetTemporary(ticket_);
  ticket_ = -1;
}

void SetPipeWithoutReader(PipeWithoutReader choice) { pipeWithoutReader.store(choice); }

bool WriteWholeFile(const std::string& path, std::string_view bytes) {
  const std::unique_ptr<OutputFile> file = OutputFile::Open(path);
  return file && file->Write(bytes) && file->Commit();
}

}  // namespace morvane
