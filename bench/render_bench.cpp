// Frames of the automatic drive. Every drive step redraws the whole canvas, so
// a full frame (prepare and render all) of the largest model must stay well
// under 4 ms for rotation at the finest step to look fluid. The model holds 49
// parts with pins and pens and four trails of 361 points, the longest a trail
// gets (one turn at the finest angle step).

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <array>
#include <cmath>
#include <memory>

#include "model/catalogue.h"
#include "model/part_kind.h"
#include "model/part_frame.h"
#include "view/canvas_pictures.h"
#include "view/render_scene.h"

namespace {

using namespace morvane;

constexpr std::array<int32_t, 13> kKinds = {DiskPassive1, RodPassive1, Triangle1, DiskPassive2, RodPassive2,
                                            Lgata1,       PistonPassive, RodPassive3, Triangle2, DiskPassive3,
                                            Lgata2,       RodPassive4,  RodActive2};

struct BenchModel {
  std::unique_ptr<ModelState> Model = std::make_unique<ModelState>();
  PenLoci Loci;

  BenchModel() {
    ModelState& model = *Model;
    CreatePart(model, DiskActive2, 640, 480);
    FinishPartDrop(model, 0);
    for (int i = 1; i < kMaxParts; ++i) {
      CreatePart(model, kKinds[i % kKinds.size()], 60 + 175 * (i % 7), 90 + 130 * (i / 7));
      model.PartTable[i].Angle = 7.5 * i;
      FinishPartDrop(model, i);
      // A pin in the part's first hole, fixed on every third part.
      const HoleList holes = HolesOf(model.PartTable[i]);
      const Point hole = WorldPoint(model.PartTable[i], holes.Holes[0].X, holes.Holes[0].Y);
      PlacePin(model, i % 3 == 0 ? PinStatus::Fixed : PinStatus::Movable, hole.X, hole.Y);
    }
    for (int colour = 0; colour < kPenColours; ++colour) {
      PlacePen(model, PenBlack + colour, 640 + 20 * (colour + 1), 480);
      PenTrail& trail = Loci.Trails[colour];
      for (int step = 0; step <= 360; ++step) {
        const double a = step * kDegToRad;
        trail.X.push_back(640 + (100 + 60 * colour) * std::cos(a));
        trail.Y.push_back(480 + (80 + 50 * colour) * std::sin(a));
      }
    }
  }
};

const BenchModel& Bench() {
  static const BenchModel bench;
  return bench;
}

// Baseline for the figures below: restoring the dotted background, one copy of
// a whole canvas picture.
void BM_BackgroundCopy(benchmark::State& state) {
  view::CanvasPictures pictures;
  for (auto _ : state) {
    view::PrepareCanvas(pictures);
    benchmark::DoNotOptimize(pictures.imgTemp.constBits());
  }
}
BENCHMARK(BM_BackgroundCopy)->Unit(benchmark::kMillisecond);

void BM_FullFrame(benchmark::State& state) {
  const BenchModel& bench = Bench();
  view::CanvasPictures pictures;
  for (auto _ : state) {
    view::PrepareCanvas(pictures);
    view::RenderAll(pictures, *bench.Model, bench.Loci);
    benchmark::DoNotOptimize(pictures.imgTemp.constBits());
  }
}
BENCHMARK(BM_FullFrame)->Unit(benchmark::kMillisecond);

// The part-index picture alone: clearing it row by row and painting the bodies,
// as the first read after a render does.
void BM_PartIndexPicture(benchmark::State& state) {
  const BenchModel& bench = Bench();
  view::CanvasPictures pictures;
  for (auto _ : state) {
    pictures.SetIndexParts(bench.Model->PartTable, bench.Model->PartCount);
    benchmark::DoNotOptimize(pictures.PartIndexBitmap().constBits());
  }
}
BENCHMARK(BM_PartIndexPicture)->Unit(benchmark::kMillisecond);

// A frame after which a mouse handler reads the part under the pointer.
void BM_FullFrameAndIndex(benchmark::State& state) {
  const BenchModel& bench = Bench();
  view::CanvasPictures pictures;
  for (auto _ : state) {
    view::PrepareCanvas(pictures);
    view::RenderAll(pictures, *bench.Model, bench.Loci);
    benchmark::DoNotOptimize(view::PartIndexAt(pictures, 640, 480));
  }
}
BENCHMARK(BM_FullFrameAndIndex)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
