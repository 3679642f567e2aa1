#pragma once

#include <string>

namespace morvane::testing {

struct CliRun {
  int ExitCode = -1;
  std::string Out;
  std::string Err;
};

// Runs the built morvane-cli with the given argument string (shell-quoted by
// the caller) and captures its exit status and both output streams.
CliRun RunCli(const std::string& arguments);

// A fresh empty folder under the system's temporary folder.
std::string MakeTempFolder();

std::string ReadWholeFile(const std::string& path);

}  // namespace morvane::testing
