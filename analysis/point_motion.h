#pragma once

// The velocity and acceleration of points at the position the model stands
// in: the drive steps a tenth of a degree (a degree of a power piston's
// phase) either way on copies of the model, and the parabola through the
// three places gives the derivatives. Where one way is refused, two steps
// the other way stand in.

#include <optional>
#include <vector>

#include "analysis/derivatives.h"
#include "analysis/tracked_points.h"
#include "model/model_state.h"

namespace morvane::analysis {

// nullopt when the model has no power part or the drive moves neither way.
std::optional<std::vector<Motion>> MotionAt(const ModelState& model, const std::vector<TrackedPoint>& points);

}  // namespace morvane::analysis
