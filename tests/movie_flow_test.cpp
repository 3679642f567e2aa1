// Movies recorded from example models and read back with ffprobe, ffmpeg and
// giflib: the frames each holds, how they compare with the frames made again
// the same way, and what a refused move and a failed write leave behind.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "export/movies/movie_export.h"
#include "tests/export_test_support.h"
#include "tests/image_test_support.h"

namespace morvane::exporting {
namespace {

using namespace morvane::testing;

const std::string kRodRefusal = "Since the length of a rod does not suit, it cannot move.";
const std::string kStopped = "Creation of a movie is stopped.";
const std::string kInterrupted = "Creation of a movie was interrupted.";

struct ClosePipe {
  void operator()(FILE* pipe) const { pclose(pipe); }
};

// The pictures ffmpeg decodes from a movie, read one at a time as RGB bytes.
struct Decoded {
  explicit Decoded(const std::string& path, size_t bytes)
      : Pipe(popen(("ffmpeg -v error -i '" + path + "' -fps_mode passthrough -f rawvideo -pix_fmt rgb24 -").c_str(),
                   "r")),
        Picture(bytes, 0) {}
  // False after the last picture.
  bool Next() { return std::fread(Picture.data(), 1, Picture.size(), Pipe.get()) == Picture.size(); }

  std::unique_ptr<FILE, ClosePipe> Pipe;
  std::basic_string<uint8_t> Picture;
};

double Psnr(const std::basic_string<uint8_t>& decoded, const RgbImage& frame) {
  double squares = 0;
  for (size_t i = 0; i < decoded.size(); ++i) {
    squares += std::pow(decoded[i] - frame.Row(0)[i], 2);
  }
  return squares == 0 ? 99 : 10 * std::log10(255.0 * 255.0 * static_cast<double>(decoded.size()) / squares);
}

class MovieFlow : public ::testing::Test {
 protected:
  void Open(const std::string& example) { ASSERT_EQ(session.Open(kExamples + example), std::nullopt); }
  std::string Path(const std::string& name) const { return (folder / name).string(); }

  // The 181 frames of two turns made again as a recording makes them: the
  // loci erased, the step 20, the power part turned 4 degrees a frame.
  void Replay(const MovieKind& kind, const std::function<void(int, const RgbImage&)>& take) {
    const TurnBack start = session.RememberPosition();
    session.EraseLoci();
    session.SetAngleStep(20);
    Reply refusal;
    for (int i = 0; i <= 180 && session.MoveForExport(start.TrackPosition + 40 * i, 0, refusal); ++i) {
      take(i, MovieFrame(scene, kind.Width, kind.Height));
    }
    session.ReturnTo(start);
  }

  // What must hold on every way out of a recording.
  void ExpectPutBack(const TurnBack& before) {
    EXPECT_EQ(session.Model().PartTable, before.Parts);
    EXPECT_EQ(session.Model().TrackPosition, before.TrackPosition);
    EXPECT_EQ(session.Model().PowerPosition, before.PowerPosition);
    EXPECT_EQ(session.Model().AngleStep, before.AngleStep);
    EXPECT_TRUE(std::all_of(session.Loci().Trails.begin(), session.Loci().Trails.end(),
                            [](const PenTrail& trail) { return trail.X.empty(); }));
    EXPECT_FALSE(progress.Shown);
  }

  TempFolder folder;
  Session session;
  view::CanvasPictures pictures;
  ExportScene scene{session, pictures, {}, "robot"};
  RecordedProgress progress;
};

TEST_F(MovieFlow, MpegMoviesHoldTwoTurnsThatDecodeToTheFramesRecorded) {
  Open("crank-rocker.mvd");
  // A position and a step of the user's own, to be put back afterwards.
  Reply refusal;
  for (int32_t t = 50; t <= 1250; t += 50) {
    ASSERT_TRUE(session.MoveForExport(t, 0, refusal)) << t;
  }
  session.SetAngleStep(60);
  const TurnBack before = session.RememberPosition();
  // The mechanism fills most of the frame.
  scene.Area = {200, 250, 560, 420};
  for (const MovieKind kind : {MovieKind{MovieFormat::Mpeg, 320, 240}, MovieKind{MovieFormat::Mpeg, 640, 480}}) {
    const std::string path = Path("turns.mpg");
    ASSERT_EQ(SaveMovie(scene, kind, path, progress).Status, ExportStatus::Done);
    ExpectPutBack(before);
    EXPECT_EQ(Probe(path, "codec_name,width,height,nb_read_frames", "-count_frames"),
              "mpeg1video," + std::to_string(kind.Width) + "," + std::to_string(kind.Height) + ",362");
    EXPECT_EQ(CommandOutput("ffmpeg -v error -i '" + path + "' -f null - 2>&1"), "");

    Decoded decoded(path, 3 * kind.Width * kind.Height);
    double worst = 99;
    std::basic_string<uint8_t> firstPicture;
    Replay(kind, [&](int i, const RgbImage& frame) {
      for (int repeat = 0; repeat < 2; ++repeat) {
        ASSERT_TRUE(decoded.Next()) << "frame " << i;
        worst = std::min(worst, Psnr(decoded.Picture, frame));
      }
      if (i == 0) {
        firstPicture = decoded.Picture;
      }
    });
    EXPECT_EQ(decoded.Picture, firstPicture) << "two whole turns: the last frame shows the first position";
    EXPECT_FALSE(decoded.Next());
    EXPECT_GE(worst, 30.0) << kind.Width;
  }
  EXPECT_EQ(progress.Caption, "Preservation of a linkage mechanism movie");
  ASSERT_EQ(progress.Percents.size(), 2 * 181u);
  EXPECT_EQ(std::vector<int>(progress.Percents.begin(), progress.Percents.begin() + 4), (std::vector<int>{0, 1, 1, 2}));
  EXPECT_EQ(progress.Percents[180], 100);
}

TEST_F(MovieFlow, AviFramesAreTheRecordedFramesInSixteenBits) {
  // Loci of an earlier turn, and a step that would keep a third of a turn of
  // the loci drawn during the recording.
  Open("four-pens.mvd");
  session.SetAngleStep(60);
  Reply refusal;
  for (int32_t t = 60; t <= 600; t += 60) {
    ASSERT_TRUE(session.MoveForExport(t, 0, refusal)) << t;
  }
  ASSERT_FALSE(session.Loci().Trails[0].X.empty());
  scene.Area = {200, 150, 640, 480};
  const std::string path = Path("turns.avi");
  const MovieKind kind{MovieFormat::Avi, 320, 240};
  ASSERT_EQ(SaveMovie(scene, kind, path, progress).Status, ExportStatus::Done);
  EXPECT_EQ(Probe(path, "width,height,r_frame_rate,nb_read_frames", "-count_frames"), "320,240,12/1,181");
  Decoded decoded(path, 320 * 240 * 3);
  int wrong = 0;
  Replay(kind, [&](int, const RgbImage& frame) {
    ASSERT_TRUE(decoded.Next());
    for (size_t i = 0; i < decoded.Picture.size(); ++i) {
      // 5 bits a channel, widened back by repeating the top bits.
      const uint8_t source = frame.Row(0)[i];
      wrong += decoded.Picture[i] != ((source & 0xF8) | source >> 5);
    }
  });
  EXPECT_FALSE(decoded.Next());
  EXPECT_EQ(wrong, 0);
}

TEST_F(MovieFlow, GifAnimationsLoopOneTurnInTwentyFourFrames) {
  Open("crank-rocker.mvd");
  for (const MovieKind kind : {MovieKind{MovieFormat::Gif, 120, 90}, MovieKind{MovieFormat::Gif, 320, 240}}) {
    ASSERT_EQ(SaveMovie(scene, kind, Path("turn.gif"), progress).Status, ExportStatus::Done);
    const auto gif = SlurpGif(Path("turn.gif"));
    ASSERT_NE(gif, nullptr);
    ASSERT_EQ(gif->ImageCount, 24);
    EXPECT_EQ(QSize(gif->SWidth, gif->SHeight), QSize(kind.Width, kind.Height));
    const ExtensionBlock* loop = gif->SavedImages[0].ExtensionBlocks;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(loop[0].Bytes), 11), "NETSCAPE2.0");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(loop[1].Bytes), 3), std::string("\x01\x00\x00", 3));
    for (int i = 0; i < 24; ++i) {
      GraphicsControlBlock control{};
      ASSERT_EQ(DGifSavedExtensionToGCB(gif.get(), i, &control), GIF_OK);
      EXPECT_EQ(control.DelayTime, 30);
    }
  }
  EXPECT_EQ(progress.Percents[1], 4);
}

TEST_F(MovieFlow, FramesAreCaptionedFrom240PixelsHigh) {
  Open("crank-rocker.mvd");
  const QImage area = CaptureScene(scene);
  EXPECT_EQ(ToQImage(MovieFrame(scene, 120, 90)), Resampled(area, 120, 90));
  const QImage frame = ToQImage(MovieFrame(scene, 320, 240)), bare = Resampled(area, 320, 240);
  EXPECT_NE(frame.copy(0, 0, 320, 14), bare.copy(0, 0, 320, 14)) << "8-point caption";
  EXPECT_EQ(frame.copy(0, 14, 320, 226), bare.copy(0, 14, 320, 226));
}

TEST_F(MovieFlow, ARefusalKeepsTheMovieSoFarButNoAnimation) {
  Open("locks-past-ninety.mvd");
  const TurnBack before = session.RememberPosition();
  const std::string mpeg = Path("stop.mpg"), avi = Path("stop.avi"), gif = Path("stop.gif");
  for (const std::string& path : {mpeg, gif}) {
    WriteBytes(path, "older");
  }
  const ExportOutcome stopped = SaveMovie(scene, {MovieFormat::Mpeg, 320, 240}, mpeg, progress);
  EXPECT_EQ(stopped.Status, ExportStatus::Stopped);
  EXPECT_EQ(stopped.Messages, (std::vector<std::string>{kRodRefusal, kStopped}));
  EXPECT_EQ(progress.Percents.size(), 26u) << "frame 25, 100 degrees, is not reached";
  ExpectPutBack(before);
  EXPECT_EQ(Probe(mpeg, "width,height,nb_read_frames", "-count_frames"), "320,240,50");
  EXPECT_EQ(CommandOutput("ffmpeg -v error -i '" + mpeg + "' -f null - 2>&1"), "");

  EXPECT_EQ(SaveMovie(scene, {MovieFormat::Avi, 320, 240}, avi, progress).Status, ExportStatus::Stopped);
  EXPECT_EQ(Probe(avi, "nb_read_frames", "-count_frames"), "25");
  EXPECT_EQ(SaveMovie(scene, {MovieFormat::Gif, 120, 90}, gif, progress).Status, ExportStatus::Stopped);
  EXPECT_EQ(ReadWholeFile(gif), "older");
  ExpectPutBack(before);
  EXPECT_EQ(folder.EntryCount(), 3u);
}

TEST_F(MovieFlow, AFailedWriteInterruptsAndLeavesTheOlderFile) {
  Open("crank-rocker.mvd");
  const TurnBack before = session.RememberPosition();
  const std::tuple<MovieFormat, std::string, std::string> movies[] = {
      {MovieFormat::Mpeg, "a.mpg", "VOZUZad: Writing the stream failed"},
      {MovieFormat::Avi, "a.avi", "ＡＶＩファイルを作成できませんでした."},
      {MovieFormat::Gif, "a.gif", "The writing of a file went wrong."}};
  for (const auto& [format, name, reason] : movies) {
    WriteBytes(folder / name, "older");
    const FileSizeLimit limit(20000);
    const ExportOutcome outcome = SaveMovie(scene, {format, 320, 240}, Path(name), progress);
    EXPECT_EQ(outcome.Status, ExportStatus::WriteFailed) << name;
    EXPECT_EQ(outcome.Messages, (std::vector<std::string>{reason, kInterrupted})) << name;
    EXPECT_EQ(ReadWholeFile(Path(name)), "older");
    ExpectPutBack(before);
  }
  for (const auto& [format, name, reason] : movies) {
    const ExportOutcome outcome = SaveMovie(scene, {format, 320, 240}, Path("no/" + name), progress);
    EXPECT_EQ(outcome.Status, ExportStatus::WriteFailed) << name;
    EXPECT_EQ(outcome.Messages.back(), kInterrupted);
  }
  EXPECT_EQ(folder.EntryCount(), 3u);
}

}  // namespace
}  // namespace morvane::exporting
