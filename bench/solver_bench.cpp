// Drive steps of the solver: one step, and a full run of the track bar's
// 7200 units at a given AngleStep, for the crank-rocker and six-bar examples
// and for the largest model a user can build. Automatic rotation at the
// finest step makes 720 drive steps per run; for it to keep pace with the
// redraw, the run of the 49-part model should stay under 50 ms.

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "model/part_kind.h"
#include "session/session.h"

namespace {

using namespace morvane;

// The largest model: a crank-rocker whose rocker starts a chain of 23
// parallelograms, each further rocker on its own fixed pivot 160 pixels to
// the right and coupled to the one before: 1 disk, 24 couplers and 24
// rockers. At 49 parts the palette takes nothing more, pins included, so no
// user could pin its last part; it is stored as a file instead of built.
constexpr const char* kLadder = "bench/data/ladder-49.mvd";

std::unique_ptr<Session> Opened(const std::string& path) {
  auto session = std::make_unique<Session>();
  if (session->Open(std::string(MORVANE_SOURCE_DIR) + "/" + path)) {
    throw std::runtime_error("cannot read " + path);
  }
  return session;
}

std::unique_ptr<Session> ModelFor(int64_t which) {
  switch (which) {
    case 0: return Opened("examples/crank-rocker.mvd");
    case 1: return Opened("examples/six-bar-triangle.mvd");
    default: return Opened(kLadder);
  }
}

const char* NameOf(int64_t which) {
  static const char* names[] = {"crank-rocker", "six-bar", "49-part ladder"};
  return names[which];
}

// Steps forward as automatic rotation does; false at a refusal.
bool Tick(Session& session) {
  return session.DriveTo(session.NextAutoPosition(Rotation::Forward)).Status == DriveStatus::Moved;
}

void BM_DriveStep(benchmark::State& state) {
  const auto session = ModelFor(state.range(0));
  session->SetAngleStep(static_cast<int32_t>(state.range(1)));
  for (auto _ : state) {
    if (!Tick(*session)) {
      state.SkipWithError("refused");
      break;
    }
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel(NameOf(state.range(0)));
}

void BM_FullRun(benchmark::State& state) {
  const int32_t step = static_cast<int32_t>(state.range(1));
  const auto session = ModelFor(state.range(0));
  session->SetAngleStep(step);
  const TurnBack start = session->RememberPosition();
  for (auto _ : state) {
    session->ReturnTo(start);
    for (int i = 0; i < kTrackMax / step; ++i) {
      if (!Tick(*session)) {
        state.SkipWithError("refused");
        return;
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * (kTrackMax / step));
  state.SetLabel(NameOf(state.range(0)));
}

// Baseline for the figures above: one flat copy of the whole part table, the
// copy every drive step starts with.
void BM_WorkTableCopy(benchmark::State& state) {
  const auto session = ModelFor(2);
  ModelState& model = session->MutableModel();
  for (auto _ : state) {
    model.WorkTable = model.PartTable;
    benchmark::DoNotOptimize(model.WorkTable.data());
    benchmark::ClobberMemory();
  }
}

}  // namespace

BENCHMARK(BM_WorkTableCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DriveStep)->ArgsProduct({{0, 1, 2}, {10}})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullRun)->ArgsProduct({{0, 1, 2}, {10, 40}})->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
