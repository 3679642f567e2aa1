#include "solver/auto_rotation.h"

#include <cstddef>

#include "model/model_state.h"

namespace morvane {

int32_t NextAutoPosition(int32_t position, int32_t angleStep, Rotation direction) {
  if (direction == Rotation::Forward) {
    const int32_t next = position + angleStep;
    return next >= kTrackMax ? 0 : next;
  }
  const int32_t next = position - angleStep;
  return next < 1 ? kTrackMax : next;
}

int32_t AngleStepForSpeed(int speedIndex, int32_t current) {
  if (speedIndex < 0 || speedIndex >= static_cast<int>(kAngleSteps.size())) {
    return current;
  }
  return kAngleSteps[static_cast<std::size_t>(speedIndex)];
}

}  // namespace morvane
