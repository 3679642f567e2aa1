#pragma once

// Linkages placed by coordinates, for closed-form checks in proportions that
// the catalogue's 20-pixel holes cannot give. Pins stand at any offset along
// a part, as a model file allows. Angles are screen angles (clockwise, as the
// parts turn); the power disk's axle stands at kAxle.

#include <complex>
#include <cstdint>
#include <memory>

#include "model/model_state.h"

namespace morvane::testing {

inline constexpr std::complex<double> kAxle{300.0, 400.0};

struct FourBarLengths {
  double Crank = 0;
  double Coupler = 0;
  double Rocker = 0;
  double Ground = 0;
};

// Part 1 the power disk with its crank pin 101 turned to `crankDegrees`
// (the track bar there too), part 2 the coupler, part 3 the rocker on fixed
// pin 103 `Ground` from the axle in direction `groundDegrees`; coupler and
// rocker meet at pin 102 on the side `elbow` (1 or -1) of the line from the
// crank pin to the rocker's pivot.
std::unique_ptr<ModelState> FourBar(const FourBarLengths& lengths, double groundDegrees, double crankDegrees,
                                    int elbow = 1);

// A power disk whose crank pin 101 carries a rod of length `rod` to pin 102
// on a piston whose axis runs along the x axis `offset` below the axle.
std::unique_ptr<ModelState> SliderCrank(double crank, double rod, double offset = 0);

// Where the pin's first slot stands.
std::complex<double> PinAt(const ModelState& model, int32_t pin);

}  // namespace morvane::testing
