#include "analysis/derivatives.h"

#include <numbers>

namespace morvane::analysis {

Slope ParabolaSlope(const std::array<double, 3>& x, const std::array<double, 3>& f, int at) {
  // Newton's divided differences: a value that does not change gives exactly
  // nothing, where the Lagrange form would leave rounding of f / h.
  const double h1 = x[1] - x[0];
  const double h2 = x[2] - x[1];
  const double first = (f[1] - f[0]) / h1;
  const double curve = ((f[2] - f[1]) / h2 - first) / (h1 + h2);
  const double lever = at == 0 ? -h1 : at == 1 ? h1 : h1 + 2 * h2;
  return {first + curve * lever, 2 * curve};
}

namespace {

// The three samples whose parabola gives the derivatives at sample i, and
// where i is among them. After a full turn the samples close on themselves,
// a turn (2 pi) apart.
struct Neighbours {
  std::array<int, 3> Index{};
  std::array<double, 3> Shift{};
  int At = 1;
};

Neighbours Around(int i, int count, bool fullTurn) {
  constexpr double kTurn = 2 * std::numbers::pi;
  if (fullTurn) {
    return {{(i + count - 1) % count, i, (i + 1) % count},
            {i == 0 ? -kTurn : 0.0, 0.0, i == count - 1 ? kTurn : 0.0},
            1};
  }
  if (i == 0) {
    return {{0, 1, 2}, {}, 0};
  }
  if (i == count - 1) {
    return {{i - 2, i - 1, i}, {}, 2};
  }
  return {{i - 1, i, i + 1}, {}, 1};
}

}  // namespace

Motion SampleMotion(const SweepSamples& samples, int i, int point, int pointCount) {
  const int count = samples.Count();
  const auto at = [&](int s) { return samples.Points[static_cast<size_t>(s * pointCount + point)]; };
  if (count < 3) {
    if (count < 2) {
      return {};
    }
    const double dt = samples.Turn[1] - samples.Turn[0];
    return {(at(1).X - at(0).X) / dt, (at(1).Y - at(0).Y) / dt, 0, 0};
  }
  const Neighbours n = Around(i, count, samples.FullTurn);
  std::array<double, 3> t{};
  std::array<double, 3> x{};
  std::array<double, 3> y{};
  for (size_t k = 0; k < 3; ++k) {
    t[k] = samples.Turn[static_cast<size_t>(n.Index[k])] + n.Shift[k];
    x[k] = at(n.Index[k]).X;
    y[k] = at(n.Index[k]).Y;
  }
  const Slope sx = ParabolaSlope(t, x, n.At);
  const Slope sy = ParabolaSlope(t, y, n.At);
  return {sx.First, sy.First, sx.Second, sy.Second};
}

std::vector<Motion> MotionOf(const SweepSamples& samples, int point, int pointCount) {
  std::vector<Motion> motion;
  motion.reserve(static_cast<size_t>(samples.Count()));
  for (int i = 0; i < samples.Count(); ++i) {
    motion.push_back(SampleMotion(samples, i, point, pointCount));
  }
  return motion;
}

}  // namespace morvane::analysis
