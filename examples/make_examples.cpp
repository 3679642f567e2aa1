// Writes the sample models into a folder: make_examples <folder>
#include <iostream>

#include "session/session.h"
#include "examples/example_models.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_examples <folder>\n";
    return 64;
  }
  for (const morvane::examples::ExampleModel& example : morvane::examples::ExampleModels()) {
    morvane::Session session;
    example.Build(session);
    const std::string path = std::string(argv[1]) + "/" + example.FileName;
    if (const morvane::Reply failure = session.Save(path)) {
      std::cerr << path << ": " << failure->Text << '\n';
      return 1;
    }
    std::cout << path << '\n';
  }
  return 0;
}
