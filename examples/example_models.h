#pragma once

#include <string>
#include <vector>

#include "model/model_state.h"

namespace morvane::examples {

// A sample model built the way a user builds it: parts dropped on grid points,
// turned where needed, joined by pins in coinciding holes.
struct ExampleModel {
  std::string FileName;
  void (*Build)(ModelState& model);
};

const std::vector<ExampleModel>& ExampleModels();

}  // namespace morvane::examples
