#include "solver/auto_rotation.h"

#include <algorithm>
#include <cstddef>

#include "model/model_state.h"

namespace morvane {

// In 64 bits and kept on the bar: the step comes from a model file, where
// any 32-bit value reads, a negative one included.
int32_t NextAutoPosition(int32_t position, int32_t angleStep, Rotation direction) {
  if (direction == Rotation::Forward) {
    const int64_t next = int64_t{position} + angleStep;
    return next >= kTrackMax ? 0 : static_cast<int32_t>(std::max<int64_t>(next, 0));
  }
  const int64_t next = int64_t{position} - angleStep;
  return next < 1 ? kTrackMax : static_cast<int32_t>(std::min<int64_t>(next, kTrackMax));
}

int32_t AngleStepForSpeed(int speedIndex, int32_t current) {
  if (speedIndex < 0 || speedIndex >= static_cast<int>(kAngleSteps.size())) {
    return current;
  }
  return kAngleSteps[static_cast<std::size_t>(speedIndex)];
}

double AutoRotationDegreesPerSecond(int32_t angleStep) {
  constexpr double kMillisecondsPerSecond = 1000.0;
  return angleStep / 10.0 * kMillisecondsPerSecond / static_cast<double>(kAutoStepInterval.count());
}

}  // namespace morvane
