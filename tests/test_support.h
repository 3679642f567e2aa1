#pragma once

#include <sys/resource.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "model/model_state.h"

namespace morvane::testing {

inline const std::string kExamples = std::string(MORVANE_SOURCE_DIR) + "/examples/";
// Mechanisms that lock part of the way round, built by the example generator
// for the tests alone.
inline const std::string kLockingModels = std::string(MORVANE_SOURCE_DIR) + "/tests/data/locking/";

struct CliRun {
  int ExitCode = -1;
  std::string Out;
  std::string Err;
};

// Runs the built morvane-cli with the given argument string (shell-quoted by
// the caller) and captures its exit status and both output streams; `shell`
// goes before the command (e.g. "ulimit -f 1;").
CliRun RunCli(const std::string& arguments, const std::string& shell = "");

// What a shell command prints on its standard output.
std::string CommandOutput(const std::string& command);
// The pieces of `text` between separators, as a CSV row or a program's lines.
std::vector<std::string> Split(const std::string& text, char separator);

// A fresh empty folder under the system's temporary folder.
std::string MakeTempFolder();

std::string ReadWholeFile(const std::string& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

// A temporary folder that goes away with the test.
struct TempFolder {
  const std::filesystem::path Path = MakeTempFolder();
  ~TempFolder() { std::filesystem::remove_all(Path); }
  std::filesystem::path operator/(const std::string& name) const { return Path / name; }
  size_t EntryCount() const;
};

// While it lives, writes beyond `bytes` fail as on a full disk; works for root
// too, as a file size limit makes write() itself fail.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

// The model in a file that must read; throws when it does not.
std::unique_ptr<ModelState> LoadModel(const std::string& path);

}  // namespace morvane::testing
