#include "tests/test_support.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "model/model_file.h"

namespace morvane::testing {

CliRun RunCli(const std::string& arguments) {
  const std::string folder = MakeTempFolder();
  const std::string out = folder + "/out";
  const std::string err = folder + "/err";
  const std::string command = std::string(MORVANE_CLI) + " " + arguments + " >" + out + " 2>" + err;
  const int status = std::system(command.c_str());
  CliRun run;
  run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.Out = ReadWholeFile(out);
  run.Err = ReadWholeFile(err);
  std::filesystem::remove_all(folder);
  return run;
}

std::string MakeTempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "morvane-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot create a temporary folder");
  }
  return pattern;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::unique_ptr<ModelState> LoadModel(const std::string& path) {
  auto model = std::make_unique<ModelState>();
  if (ReadModelFile(path, *model).Status != ReadStatus::Ok) {
    throw std::runtime_error("cannot read " + path);
  }
  return model;
}

}  // namespace morvane::testing
