#pragma once

// The analysis of a model: its mobility and four-bar loops from the model's
// structure, and from one sweep of the drive through the power part's range
// its dead points, transmission angles, oscillating parts, piston strokes and
// the velocity and acceleration of every pin and pen. Plain results: the
// windows and the command-line tool format them.
//
// Positions are track positions in tenths of a degree, brought within one
// turn (0 to 3599); angles are degrees, lengths pixels. Velocities are per
// radian of the power part's turn and, at the speed of automatic rotation,
// per second.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "analysis/derivatives.h"
#include "analysis/drive_sweep.h"
#include "analysis/four_bar.h"
#include "analysis/mobility.h"
#include "analysis/tracked_points.h"
#include "analysis/transmission.h"
#include "model/model_state.h"

namespace morvane::analysis {

// The finest sweep: a tenth of a degree.
constexpr int32_t kFinestStep = 1;

struct Extreme {
  double Value = 0;
  int32_t At = 0;
};

struct TransmissionRange {
  TransmissionPin Pin;
  Extreme Least;
  Extreme Greatest;
  // The largest departure from 90 degrees.
  double WorstFrom90 = 0;
};

struct Oscillator {
  int Part = -1;
  double Swing = 0;
  // The positions where it reverses: at its least angle, then its greatest.
  std::array<int32_t, 2> Limits{};
  // The slower crank interval between the limits over the faster; only when
  // the power part turns fully.
  std::optional<double> TimeRatio;
};

struct PistonStroke {
  int Part = -1;
  Extreme Least;
  Extreme Greatest;
  // As an oscillator's, between the least and the greatest extension.
  std::optional<double> TimeRatio;
};

struct PointSpeed {
  TrackedPoint Tracked;
  // Pixels per radian and per radian squared.
  Extreme Speed;
  Extreme Acceleration;
};

struct MechanismAnalysis {
  MobilityCount Mobility;
  std::optional<int> PowerPart;
  bool TurnsFully = false;
  // Lower end first; none when the power part turns fully.
  std::vector<DeadPoint> DeadPoints;
  std::vector<FourBarLoop> FourBars;
  std::vector<TransmissionRange> Transmission;
  std::vector<Oscillator> Oscillators;
  std::vector<PistonStroke> Pistons;
  std::vector<PointSpeed> Points;
  // The power part's speed in automatic rotation at the model's AngleStep.
  int32_t AngleStep = 0;
  double RadiansPerSecond = 0;

  // What the figures come from, for plots: the samples (MotionOf gives a
  // tracked point's motion from them), the transmission angle at each of its
  // pins, and the angle of each oscillating part, all at every sample.
  Probe Recorded;
  SweepSamples Samples;
  std::vector<std::vector<double>> TransmissionAngles;
  std::vector<std::vector<double>> OscillatorAngles;
};

// The power part's speed in automatic rotation at this AngleStep.
double RadiansPerSecond(int32_t angleStep);

// `step` is the sweep's step in track units (1 to 80).
MechanismAnalysis Analyze(const ModelState& model, int32_t step = kFinestStep);

// A position brought within one turn, 0 to 3599.
int32_t WithinTurn(int32_t position);

}  // namespace morvane::analysis
