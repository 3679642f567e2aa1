#include "analysis/mechanism_analysis.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <thread>

#include "model/part_kind.h"
#include "solver/auto_rotation.h"
#include "solver/geometry.h"

namespace morvane::analysis {

namespace {

constexpr double kTurnRadians = 2 * std::numbers::pi;
// A part whose angle changes by less than this does not move.
constexpr double kStill = 1e-9;

int CountFixedSlots(const PartRecord& part) {
  return static_cast<int>(std::count(part.PinState.begin(), part.PinState.begin() + part.PinCount, PinStatus::Fixed));
}

// Parts that turn about one fixed pin and carry another pin joined to a part:
// they oscillate unless the sweep shows them turning fully.
std::vector<int> RockerCandidates(const ModelState& model) {
  std::vector<int> parts;
  for (int i = 0; i < model.PartCount; ++i) {
    const PartRecord& part = model.PartTable[i];
    if (i == model.PowerPartIndex || IsPiston(part.Kind) || CountFixedSlots(part) != 1) {
      continue;
    }
    for (int s = 0; s < part.PinCount; ++s) {
      if (part.PinState[s] != PinStatus::Fixed &&
          CountSlotsWithPin(model.PartTable, model.PartCount, i, part.PinId[s]) > 0) {
        parts.push_back(i);
        break;
      }
    }
  }
  return parts;
}

std::vector<int> PistonParts(const ModelState& model) {
  std::vector<int> parts;
  for (int i = 0; i < model.PartCount; ++i) {
    if (IsPiston(model.PartTable[i].Kind)) {
      parts.push_back(i);
    }
  }
  return parts;
}

// The value of item k of a sample-major table at every sample.
template <typename T>
std::vector<T> Column(const std::vector<T>& table, size_t k, size_t stride) {
  std::vector<T> column;
  for (size_t i = k; i < table.size(); i += stride) {
    column.push_back(table[i]);
  }
  return column;
}

struct Extremes {
  int Least = 0;
  int Greatest = 0;
};

// The first sample of the least and of the greatest value.
Extremes ExtremesOf(const std::vector<double>& values) {
  const auto [least, greatest] = std::minmax_element(values.begin(), values.end());
  // minmax_element gives the last of equal greatest values; the first is meant.
  return {static_cast<int>(least - values.begin()),
          static_cast<int>(std::find(values.begin(), values.end(), *greatest) - values.begin())};
}

Extreme At(const SweepSamples& samples, const std::vector<double>& values, int i) {
  return {values[static_cast<size_t>(i)], WithinTurn(samples.Positions[static_cast<size_t>(i)])};
}

// The turn, in radians, where the parabola through sample i and its
// neighbours has its vertex: where an oscillator reverses, between samples.
double VertexTurn(const SweepSamples& samples, const std::vector<double>& values, int i) {
  const int count = samples.Count();
  if (count < 3 || (!samples.FullTurn && (i == 0 || i == count - 1))) {
    return samples.Turn[static_cast<size_t>(i)];
  }
  const int before = (i + count - 1) % count;
  const int after = (i + 1) % count;
  const std::array<double, 3> t = {samples.Turn[static_cast<size_t>(before)] - (i == 0 ? kTurnRadians : 0.0),
                                   samples.Turn[static_cast<size_t>(i)],
                                   samples.Turn[static_cast<size_t>(after)] + (i == count - 1 ? kTurnRadians : 0.0)};
  const Slope slope = ParabolaSlope(t, {values[static_cast<size_t>(before)], values[static_cast<size_t>(i)],
                                        values[static_cast<size_t>(after)]}, 1);
  return slope.Second != 0 ? t[1] - slope.First / slope.Second : t[1];
}

// How often the values turn back over a full turn.
int Reversals(const std::vector<double>& values) {
  std::vector<bool> rising;
  for (size_t i = 0; i < values.size(); ++i) {
    const double change = values[(i + 1) % values.size()] - values[i];
    if (std::fabs(change) > kStill) {
      rising.push_back(change > 0);
    }
  }
  int reversals = 0;
  for (size_t k = 0; k < rising.size(); ++k) {
    reversals += rising[k] != rising[(k + 1) % rising.size()];
  }
  return reversals;
}

// Over a full turn: the crank's interval from the least value to the
// greatest against the rest of the turn, the slower over the faster. Only
// for a part that goes there and back once a turn: one turn of a power
// piston's phase strokes it out and in, and its followers may swing twice.
std::optional<double> TimeRatioOf(const SweepSamples& samples, const std::vector<double>& values, Extremes e) {
  if (!samples.FullTurn || Reversals(values) != 2) {
    return std::nullopt;
  }
  const double out =
      std::fmod(VertexTurn(samples, values, e.Greatest) - VertexTurn(samples, values, e.Least) + 2 * kTurnRadians,
                kTurnRadians);
  const double back = kTurnRadians - out;
  return std::max(out, back) / std::min(out, back);
}

std::optional<Oscillator> OscillatorOf(int part, const SweepSamples& samples, const std::vector<double>& angles) {
  const Extremes e = ExtremesOf(angles);
  const double swing = angles[static_cast<size_t>(e.Greatest)] - angles[static_cast<size_t>(e.Least)];
  // Over a full turn a part that turns with the crank comes back a turn on.
  const double net = angles.back() - angles.front() + std::remainder(angles.front() - angles.back(), 360.0);
  if (swing < kStill || (samples.FullTurn && std::fabs(net) > 180.0)) {
    return std::nullopt;
  }
  return Oscillator{part, swing, {At(samples, angles, e.Least).At, At(samples, angles, e.Greatest).At},
                    TimeRatioOf(samples, angles, e)};
}

TransmissionRange RangeOf(const TransmissionPin& pin, const SweepSamples& samples, const std::vector<double>& mu) {
  const Extremes e = ExtremesOf(mu);
  const Extreme least = At(samples, mu, e.Least);
  const Extreme greatest = At(samples, mu, e.Greatest);
  return {pin, least, greatest, std::max(90.0 - least.Value, greatest.Value - 90.0)};
}

std::vector<double> TransmissionAnglesOf(const TransmissionPin& pin, const SweepSamples& samples, size_t points) {
  std::vector<double> mu;
  for (size_t i = 0; i < samples.Positions.size(); ++i) {
    const Point* row = &samples.Points[i * points];
    mu.push_back(AngleBetween(row[pin.At], row[pin.TowardA], row[pin.TowardB]));
  }
  return mu;
}

// The first sample of the greatest speed and of the greatest acceleration of
// one point, compared squared.
struct Fastest {
  size_t Speed = 0;
  double SpeedSquared = 0;
  size_t Push = 0;
  double PushSquared = 0;

  void Take(size_t i, const Motion& m) {
    const double speed = m.Vx * m.Vx + m.Vy * m.Vy;
    const double push = m.Ax * m.Ax + m.Ay * m.Ay;
    if (i == 0 || speed > SpeedSquared) {
      Speed = i;
      SpeedSquared = speed;
    }
    if (i == 0 || push > PushSquared) {
      Push = i;
      PushSquared = push;
    }
  }
};

// Every point's greatest speed and acceleration, sample by sample: the
// samples of one moment lie side by side, a point's are far apart.
std::vector<PointSpeed> SpeedsOf(const std::vector<TrackedPoint>& points, const SweepSamples& samples) {
  const int count = static_cast<int>(points.size());
  std::vector<Fastest> fastest(points.size());
  for (int i = 0; i < samples.Count(); ++i) {
    for (int k = 0; k < count; ++k) {
      fastest[static_cast<size_t>(k)].Take(static_cast<size_t>(i), SampleMotion(samples, i, k, count));
    }
  }
  std::vector<PointSpeed> speeds;
  for (size_t k = 0; k < points.size(); ++k) {
    const Fastest& f = fastest[k];
    if (samples.Count() == 0) {
      speeds.push_back({points[k], {}, {}});
    } else {
      speeds.push_back({points[k], {std::sqrt(f.SpeedSquared), WithinTurn(samples.Positions[f.Speed])},
                        {std::sqrt(f.PushSquared), WithinTurn(samples.Positions[f.Push])}});
    }
  }
  return speeds;
}

void FigureOscillators(MechanismAnalysis& result) {
  const Probe& probe = result.Recorded;
  for (size_t k = 0; k < probe.AngleParts.size(); ++k) {
    std::vector<double> angles = Column(result.Samples.Angles, k, probe.AngleParts.size());
    if (auto oscillator = OscillatorOf(probe.AngleParts[k], result.Samples, angles)) {
      result.Oscillators.push_back(*oscillator);
      result.OscillatorAngles.push_back(std::move(angles));
    }
  }
}

void FigurePistons(MechanismAnalysis& result) {
  const Probe& probe = result.Recorded;
  for (size_t k = 0; k < probe.StrokeParts.size(); ++k) {
    const std::vector<double> strokes = Column(result.Samples.Strokes, k, probe.StrokeParts.size());
    const Extremes e = ExtremesOf(strokes);
    result.Pistons.push_back({probe.StrokeParts[k], At(result.Samples, strokes, e.Least),
                              At(result.Samples, strokes, e.Greatest), TimeRatioOf(result.Samples, strokes, e)});
  }
}

void FigureTransmission(MechanismAnalysis& result, const std::vector<TransmissionPin>& pins) {
  for (const TransmissionPin& pin : pins) {
    result.TransmissionAngles.push_back(TransmissionAnglesOf(pin, result.Samples, result.Recorded.Points.size()));
    result.Transmission.push_back(RangeOf(pin, result.Samples, result.TransmissionAngles.back()));
  }
}

}  // namespace

int32_t WithinTurn(int32_t position) {
  constexpr int32_t kTurn = 3600;
  return ((position % kTurn) + kTurn) % kTurn;
}

double RadiansPerSecond(int32_t angleStep) { return AutoRotationDegreesPerSecond(angleStep) * kDegToRad; }

MechanismAnalysis Analyze(const ModelState& model, int32_t step) {
  MechanismAnalysis result;
  result.Mobility = CountMobility(model);
  result.FourBars = FindFourBars(model);
  result.PowerPart = UsablePowerPart(model);
  result.AngleStep = model.AngleStep;
  result.RadiansPerSecond = RadiansPerSecond(model.AngleStep);
  Probe& probe = result.Recorded;
  probe.Points = TrackedPoints(model);
  probe.AngleParts = RockerCandidates(model);
  probe.StrokeParts = PistonParts(model);
  result.Samples = SweepDrive(model, step, probe);
  result.TurnsFully = result.Samples.FullTurn;
  for (DeadPoint dead : result.Samples.DeadPoints) {
    dead.Position = WithinTurn(dead.Position);
    dead.RefusedAt = WithinTurn(dead.RefusedAt);
    result.DeadPoints.push_back(dead);
  }
  if (result.Mobility.HasReason && result.Mobility.Degrees <= 0) {
    result.Mobility.Reason.MovesAnyway = result.Samples.Count() > 1;
  }
  {
    // The speeds on a core of their own while the rest is figured here: each
    // side writes its own members of the result.
    const std::jthread speeds([&result] { result.Points = SpeedsOf(result.Recorded.Points, result.Samples); });
    FigureOscillators(result);
    FigurePistons(result);
    FigureTransmission(result, FindTransmissionPins(model, probe.Points));
  }
  return result;
}

}  // namespace morvane::analysis
