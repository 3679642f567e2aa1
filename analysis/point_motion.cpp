#include "analysis/point_motion.h"

#include <array>

#include "analysis/drive_sweep.h"
#include "analysis/mechanism_analysis.h"

namespace morvane::analysis {

namespace {

// The three samples of the parabola, and which of them is the model's own.
struct Three {
  std::array<const SweepSamples*, 3> From{};
  std::array<int, 3> Sample{};
  int At = 1;
};

}  // namespace

std::optional<std::vector<Motion>> MotionAt(const ModelState& model, const std::vector<TrackedPoint>& points) {
  if (!UsablePowerPart(model)) {
    return std::nullopt;
  }
  const int32_t unit = SweepUnit(model, kFinestStep);
  // Two steps either way stay on the bar.
  int32_t base = WithinTurn(model.PowerPosition);
  base += base < 2 * unit ? 3600 : 0;
  const Probe probe{points, {}, {}};
  const SweepSamples ahead = WalkDrive(model, base, unit, 1, 1, probe);
  const SweepSamples behind = WalkDrive(model, base, unit, -1, 1, probe);
  Three three;
  if (ahead.Count() == 2 && behind.Count() == 2) {
    three = {{&behind, &ahead, &ahead}, {1, 0, 1}, 1};
  } else if (const SweepSamples further = WalkDrive(model, base, unit, 1, 2, probe); further.Count() == 3) {
    three = {{&further, &further, &further}, {0, 1, 2}, 0};
  } else if (const SweepSamples back = WalkDrive(model, base, unit, -1, 2, probe); back.Count() == 3) {
    three = {{&back, &back, &back}, {2, 1, 0}, 2};
  } else {
    return std::nullopt;
  }
  std::vector<Motion> motion;
  for (size_t k = 0; k < points.size(); ++k) {
    std::array<double, 3> t{};
    std::array<double, 3> x{};
    std::array<double, 3> y{};
    for (size_t j = 0; j < 3; ++j) {
      const SweepSamples& s = *three.From[j];
      const size_t i = static_cast<size_t>(three.Sample[j]);
      t[j] = s.Turn[i];
      x[j] = s.Points[i * points.size() + k].X;
      y[j] = s.Points[i * points.size() + k].Y;
    }
    const Slope sx = ParabolaSlope(t, x, three.At);
    const Slope sy = ParabolaSlope(t, y, three.At);
    motion.push_back({sx.First, sy.First, sx.Second, sy.Second});
  }
  return motion;
}

}  // namespace morvane::analysis
