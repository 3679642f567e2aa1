#include "model/model_state.h"

#include <memory>

namespace morvane {

ModelState& Model() {
  static const auto model = std::make_unique<ModelState>();
  return *model;
}

void SetTrackPositionQuietly(ModelState& model, int32_t position) {
  model.TrackEventsEnabled = false;
  model.TrackPosition = position;
  model.TrackEventsEnabled = true;
}

}  // namespace morvane
