// Drive steps of the solver: one step, and a full run of the track bar's
// 7200 units at a given AngleStep, for the crank-rocker and six-bar examples
// and for the largest model a user can build. Automatic rotation at the
// finest step makes 720 drive steps per run; for it to keep pace with the
// redraw, the run of the 49-part model should stay under 50 ms.

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "model/catalogue.h"
#include "model/model_file.h"
#include "model/part_kind.h"
#include "solver/auto_rotation.h"
#include "solver/drive.h"

namespace {

using namespace morvane;

void Place(ModelState& model, int32_t kind, double x, double y, double angle = 0) {
  CreatePart(model, kind, x, y);
  model.PartTable[model.PartCount - 1].Angle = angle;
  FinishPartDrop(model, model.PartCount - 1);
}

void Pin(ModelState& model, int32_t kind, double x, double y) {
  if (DropPinOrPen(model, kind, x, y)) {
    throw std::runtime_error("pin refused");
  }
}

// A crank-rocker whose rocker starts a chain of 23 parallelograms: each
// further rocker stands on its own fixed pivot 160 pixels to the right and is
// coupled to the one before by a rod between holes at the same height,
// alternately 80 and 120 pixels up. 1 disk, 24 couplers and 24 rockers.
std::unique_ptr<ModelState> ParallelogramLadder() {
  auto model = std::make_unique<ModelState>();
  constexpr double kPivotY = 760;
  constexpr double kFirstPivotX = 380;
  Place(*model, DiskActive1, 100, 600);
  Place(*model, RodPassive3, 140, 600);
  Pin(*model, Hatome, 140, 600);
  for (int k = 0; k < kMaxParts / 2; ++k) {
    const double x = kFirstPivotX + 160 * k;
    Place(*model, RodPassive1, x, kPivotY, -90);
    Pin(*model, KoteiPin, x, kPivotY);
    const double height = k == 0 ? 160 : (k % 2 == 1 ? 80 : 120);
    if (k > 0) {
      Place(*model, RodPassive1, x - 160, kPivotY - height);
      Pin(*model, Hatome, x - 160, kPivotY - height);
    }
    Pin(*model, Hatome, x, kPivotY - height);
  }
  return model;
}

std::unique_ptr<ModelState> Example(const std::string& name) {
  auto model = std::make_unique<ModelState>();
  if (ReadModelFile(std::string(MORVANE_SOURCE_DIR) + "/examples/" + name, *model).Status != ReadStatus::Ok) {
    throw std::runtime_error("cannot read " + name);
  }
  return model;
}

std::unique_ptr<ModelState> ModelFor(int64_t which) {
  switch (which) {
    case 0: return Example("crank-rocker.mvd");
    case 1: return Example("six-bar-triangle.mvd");
    default: return ParallelogramLadder();
  }
}

const char* NameOf(int64_t which) {
  static const char* names[] = {"crank-rocker", "six-bar", "49-part ladder"};
  return names[which];
}

// Steps forward as automatic rotation does; false at a refusal.
bool Tick(MoveSolver& solver, PenLoci& loci, int32_t step) {
  const int32_t next = NextAutoPosition(solver.Model.PowerPosition, step, Rotation::Forward);
  return DriveStep(solver, loci, next).Status == DriveStatus::Moved;
}

void BM_DriveStep(benchmark::State& state) {
  const auto model = ModelFor(state.range(0));
  const int32_t step = static_cast<int32_t>(state.range(1));
  ProgressLog log;
  PenLoci loci;
  MoveSolver solver(*model, log);
  for (auto _ : state) {
    if (!Tick(solver, loci, step)) {
      state.SkipWithError("refused");
      break;
    }
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel(NameOf(state.range(0)));
}

void BM_FullRun(benchmark::State& state) {
  const int32_t step = static_cast<int32_t>(state.range(1));
  const auto start = ModelFor(state.range(0));
  auto model = std::make_unique<ModelState>(*start);
  ProgressLog log;
  PenLoci loci;
  MoveSolver solver(*model, log);
  for (auto _ : state) {
    *model = *start;
    for (int i = 0; i < kTrackMax / step; ++i) {
      if (!Tick(solver, loci, step)) {
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
  const auto model = ModelFor(2);
  for (auto _ : state) {
    model->WorkTable = model->PartTable;
    benchmark::DoNotOptimize(model->WorkTable.data());
    benchmark::ClobberMemory();
  }
}

}  // namespace

BENCHMARK(BM_WorkTableCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DriveStep)->ArgsProduct({{0, 1, 2}, {10}})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullRun)->ArgsProduct({{0, 1, 2}, {10, 40}})->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
