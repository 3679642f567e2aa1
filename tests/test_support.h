#pragma once

#include <memory>
#include <string>

#include "model/model_state.h"

namespace morvane::testing {

inline const std::string kExamples = std::string(MORVANE_SOURCE_DIR) + "/examples/";

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

// The model in a file that must read; throws when it does not.
std::unique_ptr<ModelState> LoadModel(const std::string& path);

}  // namespace morvane::testing
