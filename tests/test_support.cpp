#include "tests/test_support.h"

#include <sys/wait.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "model/model_file.h"

namespace morvane::testing {

CliRun RunCli(const std::string& arguments, const std::string& shell) {
  const std::string folder = MakeTempFolder();
  const std::string out = folder + "/out";
  const std::string err = folder + "/err";
  const std::string command = shell + std::string(MORVANE_CLI) + " " + arguments + " >" + out + " 2>" + err;
  const int status = std::system(command.c_str());
  CliRun run;
  run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.Out = ReadWholeFile(out);
  run.Err = ReadWholeFile(err);
  std::filesystem::remove_all(folder);
  return run;
}

std::string CommandOutput(const std::string& command) {
  std::string text;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[1 << 16];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
      text.append(buffer, n);
    }
    pclose(pipe);
  }
  return text;
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream stream(text);
  for (std::string part; std::getline(stream, part, separator);) {
    parts.push_back(part);
  }
  return parts;
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

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

size_t TempFolder::EntryCount() const {
  return static_cast<size_t>(
      std::distance(std::filesystem::directory_iterator(Path), std::filesystem::directory_iterator()));
}

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
  getrlimit(RLIMIT_FSIZE, &saved_);
  previous_ = std::signal(SIGXFSZ, SIG_IGN);
  const rlimit limit{bytes, saved_.rlim_max};
  setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
  setrlimit(RLIMIT_FSIZE, &saved_);
  std::signal(SIGXFSZ, previous_);
}

std::unique_ptr<ModelState> LoadModel(const std::string& path) {
  auto model = std::make_unique<ModelState>();
  if (ReadModelFile(path, *model).Status != ReadStatus::Ok) {
    throw std::runtime_error("cannot read " + path);
  }
  return model;
}

}  // namespace morvane::testing
