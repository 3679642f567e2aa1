// The cost of one export frame next to the drive's own redraw. A movie takes
// 181 frames, each a drive step (whose redraw is the baseline here) followed
// by a capture: the scene rendered again onto white and the area cut out as
// 24-bit. The model is the four-pens example with a turn of loci.

#include <benchmark/benchmark.h>

#include <QImage>
#include <cmath>

#include "examples/example_models.h"
#include "export/capture_frame.h"
#include "model/part_frame.h"
#include "session/session.h"
#include "view/canvas_pictures.h"
#include "view/render_scene.h"

namespace {

using namespace morvane;

struct BenchScene {
  Session Built;
  const ModelState* Model = &Built.Model();
  PenLoci Loci;

  BenchScene() {
    for (const examples::ExampleModel& example : examples::ExampleModels()) {
      if (example.FileName == "four-pens.mvd") {
        example.Build(Built);
      }
    }
    for (PenTrail& trail : Loci.Trails) {
      for (int step = 0; step <= 360; ++step) {
        trail.X.push_back(640 + 200 * std::cos(step * kDegToRad));
        trail.Y.push_back(480 + 150 * std::sin(step * kDegToRad));
      }
    }
  }
};

const BenchScene& Scene() {
  static const BenchScene scene;
  return scene;
}

// Baseline: the redraw of a drive step (prepare and render all).
void BM_DriveRedraw(benchmark::State& state) {
  view::CanvasPictures pictures;
  for (auto _ : state) {
    view::PrepareCanvas(pictures);
    view::RenderAll(pictures, *Scene().Model, Scene().Loci);
    benchmark::DoNotOptimize(pictures.imgTemp.constBits());
  }
}
BENCHMARK(BM_DriveRedraw)->Unit(benchmark::kMillisecond);

// Arguments: the area's width in canvas pixels (the whole canvas and a quarter of it).
void BM_CaptureFrame(benchmark::State& state) {
  view::CanvasPictures pictures;
  const int width = static_cast<int>(state.range(0));
  const exporting::ExportArea area{0, 0, width, width * 3 / 4};
  for (auto _ : state) {
    benchmark::DoNotOptimize(exporting::CaptureFrame(pictures, *Scene().Model, Scene().Loci, area).constBits());
  }
}
BENCHMARK(BM_CaptureFrame)->Arg(1280)->Arg(640)->Unit(benchmark::kMillisecond);

// The cut alone, from the 32-bit back buffer into a 24-bit picture.
void BM_CutArea(benchmark::State& state) {
  view::CanvasPictures pictures;
  const exporting::ExportArea area{0, 0, 1280, 960};
  for (auto _ : state) {
    benchmark::DoNotOptimize(exporting::CutArea(pictures.imgTemp, area).constBits());
  }
}
BENCHMARK(BM_CutArea)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
