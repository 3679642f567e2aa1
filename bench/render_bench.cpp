// Frames of the automatic drive. Every drive step redraws the whole canvas, so
// a full frame (prepare and render all) of the largest model must stay well
// under 4 ms for rotation at the finest step to look fluid. The model holds 49
// parts with pins and pens and four trails of 361 points, the longest a trail
// gets (one turn at the finest angle step).

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <stdexcept>
#include <string>

#include "model/part_kind.h"
#include "session/session.h"
#include "view/canvas_pictures.h"
#include "view/render_scene.h"

namespace {

using namespace morvane;

// 49 parts of every kind at angles 7.5 degrees apart, each but the power disk
// with a pin in its first hole, fixed on every third, and four pens. A pin
// needs a record of its own while it is dragged, so the palette cannot pin a
// 49th part; the model is kept as a file.
constexpr const char* kModel = MORVANE_SOURCE_DIR "/bench/data/render-49.mvd";

struct BenchModel {
  Session Document;
  PenLoci Loci;

  BenchModel() {
    if (Document.Open(kModel)) {
      throw std::runtime_error(std::string("cannot open ") + kModel);
    }
    for (int colour = 0; colour < kPenColours; ++colour) {
      PenTrail& trail = Loci.Trails[colour];
      for (int step = 0; step <= 360; ++step) {
        const double a = step * kDegToRad;
        trail.X.push_back(640 + (100 + 60 * colour) * std::cos(a));
        trail.Y.push_back(480 + (80 + 50 * colour) * std::sin(a));
      }
    }
  }
  const ModelState& Model() const { return Document.Model(); }
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
    view::RenderAll(pictures, bench.Model(), bench.Loci);
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
    pictures.SetIndexParts(bench.Model().PartTable, bench.Model().PartCount);
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
    view::RenderAll(pictures, bench.Model(), bench.Loci);
    benchmark::DoNotOptimize(view::PartIndexAt(pictures, 640, 480));
  }
}
BENCHMARK(BM_FullFrameAndIndex)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
