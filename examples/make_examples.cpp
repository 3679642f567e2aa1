// Writes the sample models into a folder and the locking models the tests use
// into another: make_examples <examples folder> <test model folder>
#include <iostream>
#include <string>
#include <vector>

#include "examples/example_models.h"
#include "session/session.h"

namespace {

bool WriteAll(const std::vector<morvane::examples::ExampleModel>& models, const std::string& folder) {
  for (const morvane::examples::ExampleModel& example : models) {
    morvane::Session session;
    example.Build(session);
    const std::string path = folder + "/" + example.FileName;
    if (const morvane::Reply failure = session.Save(path)) {
      std::cerr << path << ": " << failure->Text << '\n';
      return false;
    }
    std::cout << path << '\n';
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_examples <examples folder> <test model folder>\n";
    return 64;
  }
  const bool written = WriteAll(morvane::examples::ExampleModels(), argv[1]) &&
                       WriteAll(morvane::examples::LockingModels(), argv[2]);
  return written ? 0 : 1;
}
