#pragma once

#include <chrono>
#include <cstdint>

namespace morvane {

// The pace of automatic rotation: one step of AngleStep track units per
// interval, about thirty a second, so that a class can follow every speed:
// "Middle" (4 degrees a step) turns once in 3 s, "Lowest" (1 degree) in 12 s,
// "Highest" (8 degrees) in 1.5 s. The window's timer and the analysis's
// speeds per second both go by it.
inline constexpr std::chrono::milliseconds kAutoStepInterval{33};

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
