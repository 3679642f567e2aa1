#pragma once

#include <string>
#include <vector>

#include "session/session.h"

namespace morvane::examples {

// A sample model built the way a user builds it: parts dropped on the grid or
// with their holes on holes of parts already placed, turned where needed,
// joined by pins in coinciding holes.
struct ExampleModel {
  std::string FileName;
  void (*Build)(Session& session);
};

// The examples of the gallery, in the order of examples_texts::kExampleTexts.
const std::vector<ExampleModel>& ExampleModels();
// Models the tests use for a mechanism that locks, kept out of the gallery.
const std::vector<ExampleModel>& LockingModels();

}  // namespace morvane::examples
