// Our MPEG-1 writer against ffmpeg's mpeg1video on the same 181 frames of the
// crank-rocker example turning 4 degrees a frame, at 320 x 240 and 640 x 480.
// ffmpeg is the baseline, measured in the same run: `-q:v 4 -bf 0 -threads 1`,
// the frames piped in as raw RGB, an elementary stream out. Each encoder runs
// three times and its fastest run counts. ffmpeg's time includes starting the
// process, so the time it takes for one frame is measured too and the ratio
// also given without it. Ours writes movie export's order (an intra picture every fourth
// frame, one repeated picture after each), so its stream has 362 pictures to
// ffmpeg's 181. PSNR compares every decoded picture (ffmpeg as the decoder)
// with the frame it shows, over all three colours.
//
//   mpeg_bench            prints one table

#include <QImage>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "codecs/mpeg/mpeg_writer.h"
#include "model/output_file.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kFrames = 181;
constexpr int kRuns = 3;

// The frames of movie export: track positions 0, 40, ..., 7200 (wrapped), drawn
// by the command-line tool and read back.
std::vector<QImage> RenderFrames(const fs::path& folder, int width, int height) {
  std::vector<QImage> frames;
  for (int i = 0; i < kFrames; ++i) {
    const fs::path file = folder / ("frame" + std::to_string(i) + ".png");
    const std::string command = std::string(MORVANE_CLI) + " render " + MORVANE_SOURCE_DIR +
                                "/examples/crank-rocker.mvd -o " + file.string() + " --position " +
                                std::to_string(i * 40 % 7200) + " --size " + std::to_string(width) + "x" +
                                std::to_string(height);
    if (std::system(command.c_str()) != 0) {
      std::fprintf(stderr, "rendering frame %d failed\n", i);
      std::exit(1);
    }
    frames.push_back(QImage(QString::fromStdString(file.string())).convertToFormat(QImage::Format_RGB888));
  }
  return frames;
}

morvane::RgbFrame FrameOf(const QImage& image) {
  return {image.width(), image.height(), image.bytesPerLine(), 3, image.constBits()};
}

// Seconds of the fastest of kRuns runs.
double Fastest(const std::function<void()>& run) {
  double best = 1e9;
  for (int i = 0; i < kRuns; ++i) {
    const Clock::time_point start = Clock::now();
    run();
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
  }
  return best;
}

std::string EncodeOurs(const std::vector<QImage>& frames) {
  std::string stream;
  morvane::mpeg::TMpeg mpeg;
  bool ok = mpeg.Init(frames[0].width(), frames[0].height(),
                      [&](const uint8_t* data, size_t size) {
                        stream.append(reinterpret_cast<const char*>(data), size);
                        return true;
                      },
                      1, 2000, 4)
                .Ok();
  for (size_t i = 0; i < frames.size(); ++i) {
    ok = ok && (i % 4 == 0 ? mpeg.AddIntraFrame(FrameOf(frames[i])) : mpeg.AddPredictedFrame(FrameOf(frames[i]))).Ok();
    ok = ok && mpeg.RepeatFrame(1).Ok();
  }
  if (!ok || !mpeg.Finish().Ok()) {
    std::fprintf(stderr, "our writer failed\n");
    std::exit(1);
  }
  return stream;
}

void EncodeWithFfmpeg(const std::vector<QImage>& frames, const fs::path& out) {
  const std::string command = "ffmpeg -v error -f rawvideo -pix_fmt rgb24 -s " + std::to_string(frames[0].width()) +
                              "x" + std::to_string(frames[0].height()) +
                              " -r 24 -i - -c:v mpeg1video -q:v 4 -bf 0 -threads 1 -f mpeg1video -y " + out.string();
  FILE* pipe = popen(command.c_str(), "w");
  for (const QImage& frame : frames) {
    for (int y = 0; y < frame.height(); ++y) {
      std::fwrite(frame.constScanLine(y), 3, static_cast<size_t>(frame.width()), pipe);
    }
  }
  if (pclose(pipe) != 0) {
    std::fprintf(stderr, "ffmpeg failed\n");
    std::exit(1);
  }
}

// PSNR of all decoded pictures against the frames they show; `perFrame`
// pictures per frame.
double DecodedPsnr(const fs::path& stream, const std::vector<QImage>& frames, int perFrame) {
  const std::string command =
      "ffmpeg -v error -i " + stream.string() + " -fps_mode passthrough -f rawvideo -pix_fmt rgb24 -";
  FILE* pipe = popen(command.c_str(), "r");
  const int width = frames[0].width();
  std::vector<uint8_t> row(static_cast<size_t>(width) * 3);
  double squares = 0;
  double samples = 0;
  for (size_t picture = 0; picture < frames.size() * static_cast<size_t>(perFrame); ++picture) {
    const QImage& frame = frames[picture / static_cast<size_t>(perFrame)];
    for (int y = 0; y < frame.height(); ++y) {
      if (std::fread(row.data(), 3, static_cast<size_t>(width), pipe) != static_cast<size_t>(width)) {
        std::fprintf(stderr, "%s decoded to too few pictures\n", stream.c_str());
        std::exit(1);
      }
      for (size_t i = 0; i < row.size(); ++i) {
        const double d = row[i] - frame.constScanLine(y)[i];
        squares += d * d;
      }
      samples += static_cast<double>(row.size());
    }
  }
  pclose(pipe);
  return 10 * std::log10(255.0 * 255.0 * samples / squares);
}

void Report(const char* name, const std::vector<QImage>& frames, double seconds, const fs::path& stream,
            int perFrame) {
  std::printf("%-7s %4dx%-4d %8.3f s %8.1f frames/s %9ju bytes %6.2f dB\n", name, frames[0].width(),
              frames[0].height(), seconds, kFrames / seconds, static_cast<uintmax_t>(fs::file_size(stream)),
              DecodedPsnr(stream, frames, perFrame));
}

}  // namespace

int main() {
  const fs::path folder = fs::temp_directory_path() / "morvane-mpeg-bench";
  fs::create_directories(folder);
  for (const auto& [width, height] : {std::pair{320, 240}, {640, 480}}) {
    const std::vector<QImage> frames = RenderFrames(folder, width, height);
    std::string stream;
    const double ours = Fastest([&] { stream = EncodeOurs(frames); });
    const fs::path ourFile = folder / "ours.m1v";
    if (!morvane::WriteWholeFile(ourFile.string(), stream)) {
      std::fprintf(stderr, "cannot write %s\n", ourFile.c_str());
      return 1;
    }
    const fs::path theirFile = folder / "ffmpeg.m1v";
    const double theirs = Fastest([&] { EncodeWithFfmpeg(frames, theirFile); });
    const double startup = Fastest([&] { EncodeWithFfmpeg({frames[0]}, folder / "one.m1v"); });
    Report("ours", frames, ours, ourFile, 2);
    Report("ffmpeg", frames, theirs, theirFile, 1);
    std::printf("time ours / ffmpeg: %.2f; without ffmpeg's start (%.3f s for one frame): %.2f\n\n", ours / theirs,
                startup, ours / (theirs - startup));
  }
  fs::remove_all(folder);
}
