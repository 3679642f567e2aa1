// Exports of a whole canvas: the resampler shrinking a 1280 x 960 frame to
// movie and animation sizes, and one picture of each file kind. The baseline
// is a plain copy of the same frame, the least any export of it costs.
// Each round overwrites one file, so the write figures include what every
// export pays: the temporary file, its sync to the disk and the rename.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <string>

#include "codecs/images/bmp_writer.h"
#include "codecs/images/gif_writer.h"
#include "codecs/images/jpeg_writer.h"
#include "codecs/images/resample.h"

namespace {

using namespace morvane;

constexpr int kCanvasWidth = 1280;
constexpr int kCanvasHeight = 960;

// A canvas of flat colours with grid dots and a few noisy patches, so that
// the encoders see both long runs and detail.
const RgbImage& Canvas() {
  static const RgbImage canvas = [] {
    RgbImage image(kCanvasWidth, kCanvasHeight);
    std::mt19937 random(1);
    for (int y = 0; y < kCanvasHeight; ++y) {
      for (int x = 0; x < kCanvasWidth; ++x) {
        uint8_t* pixel = image.Pixel(x, y);
        const bool patch = (x / 160 + y / 120) % 5 == 0;
        const uint8_t plain = x % 10 == 0 && y % 10 == 0 ? 128 : 255;
        pixel[0] = patch ? static_cast<uint8_t>(random()) : plain;
        pixel[1] = patch ? static_cast<uint8_t>(random()) : plain;
        pixel[2] = patch ? 60 : plain;
      }
    }
    return image;
  }();
  return canvas;
}

// A fresh temporary folder for the written files, removed at exit.
struct OutputFolder {
  std::string Path;
  ~OutputFolder() { std::filesystem::remove_all(Path); }
};

const std::string& OutputPath() {
  static const OutputFolder folder{[] {
    std::string pattern = (std::filesystem::temp_directory_path() / "morvane-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
      std::abort();
    }
    return pattern;
  }()};
  return folder.Path;
}

void BM_PlainCopy(benchmark::State& state) {
  for (auto _ : state) {
    RgbImage copy = Canvas();
    benchmark::DoNotOptimize(copy.Row(0));
  }
}
BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMillisecond);

void BM_Resample(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0));
  const int height = static_cast<int>(state.range(1));
  for (auto _ : state) {
    RgbImage frame = ResampleBitmap(Canvas().Frame(), width, height);
    benchmark::DoNotOptimize(frame.Row(0));
  }
}
BENCHMARK(BM_Resample)->Args({320, 240})->Args({120, 90})->Unit(benchmark::kMillisecond);

void BM_Write(benchmark::State& state, const std::function<bool(const RgbFrame&, const std::string&)>& write,
              const std::string& name) {
  const std::string path = OutputPath() + "/" + name;
  for (auto _ : state) {
    if (!write(Canvas().Frame(), path)) {
      state.SkipWithError("the file could not be written");
      break;
    }
  }
}
BENCHMARK_CAPTURE(BM_Write, Jpeg, WriteJpeg, "canvas.jpg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Write, Bmp, WriteBmp, "canvas.bmp")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Write, Gif, WriteGif, "canvas.gif")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
