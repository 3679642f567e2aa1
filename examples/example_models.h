#pragma once

#include <string>
#include <vector>

#include "session/session.h"

namespace morvane::examples {

// A sample model built the way a user builds it: parts dropped on grid points,
// turned where needed, joined by pins in coinciding holes.
struct ExampleModel {
  std::string FileName;
  void (*Build)(Session& session);
};

const std::vector<ExampleModel>& ExampleModels();

}  // namespace morvane::examples
