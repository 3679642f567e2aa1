#pragma once

#include <chrono>
#include <cstdint>

namespace morvane {

// The pace of automatic rotation: one step of AngleStep track units per
// interval, about sixty a second. The window's timer and the analysis's
// speeds per second both go by it.
inline constexpr std::chrono::milliseconds kAutoStepInterval{16};

// How fast automatic rotation turns the power part at this AngleStep, in
// degrees (of its angle, or of a power piston's phase) per second.
double AutoRotationDegreesPerSecond(int32_t angleStep);

enum class Rotation { Forward, Backward };

// The track position one tick of automatic rotation after `position`.
// Forward runs up to 7200 and starts again at 0, backward runs down to 1 and
// starts again at 7200, so a tick never asks for a position off the bar.
int32_t NextAutoPosition(int32_t position, int32_t angleStep, Rotation direction);

// The AngleStep of a cmbSpeed item (fastest first); an index without an
// item keeps `current`.
int32_t AngleStepForSpeed(int speedIndex, int32_t current);

}  // namespace morvane
