// The AVI writer's cost per 640 x 480 frame: laying the picture out as a
// 16- or 24-bit bitmap, and the whole AddFrame into /dev/null. The baseline
// is a plain copy of the same RGB bytes, the least any writer must do with a
// frame. Movie export adds 181 frames while the mechanism turns, so a frame
// should cost far less than rendering it.

#include <benchmark/benchmark.h>

#include <cstring>
#include <stdexcept>
#include <vector>

#include "codecs/avi/avi_writer.h"
#include "codecs/avi/dib_frame.h"

namespace {

using namespace morvane;

constexpr int kWidth = 640;
constexpr int kHeight = 480;

RgbImage Picture() {
  RgbImage image(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth * 3; ++x) {
      image.Row(y)[x] = static_cast<uint8_t>(x * 3 + y);
    }
  }
  return image;
}

void BM_CopyRgbFrame(benchmark::State& state) {
  const RgbImage picture = Picture();
  std::vector<uint8_t> out(kWidth * kHeight * 3);
  for (auto _ : state) {
    std::memcpy(out.data(), picture.Row(0), out.size());
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_CopyRgbFrame);

void BM_DrawDibFrame(benchmark::State& state) {
  const RgbImage picture = Picture();
  const AviFormat format{kWidth, kHeight, static_cast<int>(state.range(0)), 12};
  std::vector<uint8_t> out(FrameBytes(format));
  for (auto _ : state) {
    DrawDibFrame(picture.Frame(), format, out.data());
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_DrawDibFrame)->Arg(16)->Arg(24);

// 181 frames, as one movie export writes them.
void BM_AddFrameToDevNull(benchmark::State& state) {
  const RgbImage picture = Picture();
  AviWriter writer;
  writer.SetFileName("/dev/null");
  writer.SetWidth(kWidth);
  writer.SetHeight(kHeight);
  writer.SetBitDepth(static_cast<uint8_t>(state.range(0)));
  for (auto _ : state) {
    if (!writer.Open()) {
      throw std::runtime_error("cannot open /dev/null");
    }
    for (int i = 0; i < 181; ++i) {
      writer.AddFrame(picture.Frame());
    }
    writer.Close();
  }
}
BENCHMARK(BM_AddFrameToDevNull)->Arg(16)->Arg(24)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
