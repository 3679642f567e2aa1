// The analysis of a full turn at a tenth of a degree, which the analysis
// window runs after every edit, against one drive step of the same model
// measured in the same run. Targets: under 5 ms for the crank-rocker example,
// under 50 ms for the 49-part ladder. Besides Google Benchmark's own time of
// each, the analysis reports counters: `drive_step_us`, the mean of the
// baseline's steps measured just before it, and `drive_steps`, how many such
// steps one analysis costs.

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>

#include "analysis/mechanism_analysis.h"
#include "session/session.h"

namespace {

using namespace morvane;
using Clock = std::chrono::steady_clock;

const char* const kModels[] = {"examples/crank-rocker.mvd", "bench/data/ladder-49.mvd"};

std::unique_ptr<Session> Opened(int64_t which) {
  auto session = std::make_unique<Session>();
  const std::string path = std::string(MORVANE_SOURCE_DIR) + "/" + kModels[which];
  if (session->Open(path)) {
    throw std::runtime_error("cannot read " + path);
  }
  return session;
}

// One step of the drive as the analysis makes them: a tenth of a degree on,
// round the bar without end.
void Step(Session& session) {
  const int32_t next = session.Model().PowerPosition % 3600 + 1;
  if (next == 1) {
    session.MutableModel().PowerPosition = 0;
  }
  if (session.DriveTo(next).Status != DriveStatus::Moved) {
    throw std::runtime_error("refused");
  }
}

double MeanDriveStepSeconds(int64_t which) {
  const auto session = Opened(which);
  constexpr int kSteps = 3600;
  const Clock::time_point start = Clock::now();
  for (int i = 0; i < kSteps; ++i) {
    Step(*session);
  }
  return std::chrono::duration<double>(Clock::now() - start).count() / kSteps;
}

void BM_DriveStep(benchmark::State& state) {
  const auto session = Opened(state.range(0));
  for (auto _ : state) {
    Step(*session);
  }
  state.SetLabel(kModels[state.range(0)]);
}

void BM_AnalyzeFullTurn(benchmark::State& state) {
  const auto session = Opened(state.range(0));
  const double step = MeanDriveStepSeconds(state.range(0));
  double spent = 0;
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    const analysis::MechanismAnalysis result = analysis::Analyze(session->Model(), analysis::kFinestStep);
    spent += std::chrono::duration<double>(Clock::now() - start).count();
    benchmark::DoNotOptimize(result.Points.data());
  }
  const double perAnalysis = spent / static_cast<double>(state.iterations());
  state.counters["drive_step_us"] = step * 1e6;
  state.counters["drive_steps"] = perAnalysis / step;
  state.SetLabel(kModels[state.range(0)]);
}

}  // namespace

BENCHMARK(BM_DriveStep)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AnalyzeFullTurn)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
