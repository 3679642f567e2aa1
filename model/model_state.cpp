#include "model/model_state.h"

namespace morvane {

void SetTrackPositionQuietly(ModelState& model, int32_t position) {
  model.TrackEventsEnabled = false;
  model.TrackPosition = position;
  model.TrackEventsEnabled = true;
}

}  // namespace morvane
