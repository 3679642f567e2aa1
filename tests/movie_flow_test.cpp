// Movies recorded from example models and read back with ffprobe and ffmpeg:
// the frames each holds, how they compare with the frames made again
// the same way, and what a refused move and a failed write leave behind.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "export/movies/movie_export.h"
#include "tests/export_test_support.h"
#include "tests/image_test_support.h"

namespace morvane::exporting {
namespace {

using namespace morvane::testing;

const std::string kStopped = "Creation of a movie is stopped.";
const std::string kInterrupted = "Creation of a movie was interrupted.";

class MovieFlow : public ExportTest {
 protected:
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
};

TEST_F(MovieFlow, MpegMoviesHoldTwoTurnsThatDecodeToTheFramesRecorded) {
  Open("crank-rocker.mvd");
  // A position and a step of the user's own, to be put back afterwards.
  TurnTo(1250, 50);
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

    DecodedMovie decoded(path, kind.Width, kind.Height);
    double worst = 99;
    RgbImage firstPicture;
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
  TurnTo(600, 60);
  ASSERT_FALSE(session.Loci().Trails[0].X.empty());
  scene.Area = {200, 150, 640, 480};
  const std::string path = Path("turns.avi");
  const MovieKind kind{MovieFormat::Avi, 320, 240};
  ASSERT_EQ(SaveMovie(scene, kind, path, progress).Status, ExportStatus::Done);
  EXPECT_EQ(Probe(path, "width,height,r_frame_rate,nb_read_frames", "-count_frames"), "320,240,12/1,181");
  DecodedMovie decoded(path, 320, 240);
  int wrong = 0;
  Replay(kind, [&](int, const RgbImage& frame) {
    ASSERT_TRUE(decoded.Next());
    for (int i = 0; i < 320 * 240 * 3; ++i) {
      // 5 bits a channel, widened back by repeating the top bits.
      const uint8_t source = frame.Row(0)[i];
      wrong += decoded.Picture.Row(0)[i] != ((source & 0xF8) | source >> 5);
    }
  });
  EXPECT_FALSE(decoded.Next());
  EXPECT_EQ(wrong, 0);
}

TEST_F(MovieFlow, GifAnimationsLoopOneTurnInTwentyFourFrames) {
  Open("crank-rocker.mvd");
  for (const MovieKind kind : {MovieKind{MovieFormat::Gif, 120, 90}, MovieKind{MovieFormat::Gif, 320, 240}}) {
    ASSERT_EQ(SaveMovie(scene, kind, Path("turn.gif"), progress).Status, ExportStatus::Done);
    // Thirty hundredths a frame: 10/3 frames a second, 7.2 seconds in all.
    EXPECT_EQ(Probe(Path("turn.gif"), "width,height,r_frame_rate,duration,nb_read_frames", "-count_frames"),
              std::to_string(kind.Width) + "," + std::to_string(kind.Height) + ",10/3,7.200000,24");
    EXPECT_NE(ReadWholeFile(Path("turn.gif")).find(std::string("NETSCAPE2.0\3\1\0\0", 15)), std::string::npos)
        << "loops for ever";
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
  Open("locks-past-ninety.mvd", kLockingModels);
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
  // Pens, whose loci drawn before must be erased on every way out.
  Open("four-pens.mvd");
  TurnTo(300, 50);
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
