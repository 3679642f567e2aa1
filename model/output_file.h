#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace morvane {

// Every file the program writes (models, logs, pictures, sheets, movies,
// PDFs) goes through an OutputFile, so that a failed or interrupted write
// never destroys what stood under that name before:
// - a symbolic link is followed to the file it names, so the link stays;
// - an existing regular file the user may not write (or that carries no write
//   permission at all, which root would otherwise ignore) is refused;
// - a regular file is written under a short temporary name beside it, every
//   write checked, then flushed to the disk and renamed over the target,
//   keeping the old file's permissions and owner;
// - an existing target that is not a regular file (a device such as
//   /dev/null, a pipe) is written in place and never replaced; a pipe that
//   no program reads is refused at once unless pipes are waited for.
// Until Commit succeeds the target is untouched; an OutputFile destroyed
// without a successful Commit removes its temporary file, and so does a
// signal that ends the program once RemoveTemporariesOnSignals has been
// called (temporary_files.h).
class OutputFile {
 public:
  // Null when the file cannot be opened for writing.
  static std::unique_ptr<OutputFile> Open(const std::string& path);
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Appends bytes. After the first failure every further call fails too, so
  // a writer may check only at the end (Commit reports it as well).
  bool Write(const void* data, size_t size);
  bool Write(std::string_view bytes) { return Write(bytes.data(), bytes.size()); }
  // Overwrites bytes already written at `offset` (headers whose sizes are
  // known only at the end). Fails on targets that cannot seek, such as pipes.
  bool WriteAt(uint64_t offset, const void* data, size_t size);
  // Bytes appended so far.
  uint64_t Size() const { return size_; }
  bool Failed() const { return failed_; }

  // Syncs, closes and puts the file in place. False when any write, the
  // sync, the close or the rename failed; the old file is then intact.
  bool Commit();

 private:
  OutputFile(int fd, std::string target, std::string temporary, int ticket);
  static std::unique_ptr<OutputFile> OpenInPlace(const std::string& target);
  static std::unique_ptr<OutputFile> OpenTemporary(const std::string& target);
  void Discard();

  int fd_ = -1;
  std::string target_;
  // Empty when the target is written in place.
  std::string temporary_;
  // The temporary's entry among those a signal removes, or -1.
  int ticket_ = -1;
  uint64_t size_ = 0;
  bool failed_ = false;
};

// Opening a pipe that no program reads fails at once by default, so that a
// window never freezes on a save; a command-line tool may wait for the reader
// instead, as shell tools do.
enum class PipeWithoutReader { Refuse, Wait };
void SetPipeWithoutReader(PipeWithoutReader choice);

// Writes `bytes` as the whole content of `path` through an OutputFile.
bool WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace morvane
