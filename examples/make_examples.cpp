// Writes the sample models into a folder: make_examples <folder>
#include <iostream>
#include <memory>

#include "model/message.h"
#include "model/model_file.h"
#include "examples/example_models.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_examples <folder>\n";
    return 64;
  }
  for (const morvane::examples::ExampleModel& example : morvane::examples::ExampleModels()) {
    auto model = std::make_unique<morvane::ModelState>();
    example.Build(*model);
    const std::string path = std::string(argv[1]) + "/" + example.FileName;
    if (const auto error = morvane::WriteModelFile(path, *model)) {
      std::cerr << path << ": " << error->English << '\n';
      return 1;
    }
    std::cout << path << '\n';
  }
  return 0;
}
