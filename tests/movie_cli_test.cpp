// morvane-cli movie through the built binary: the movies as ffprobe reads
// them, the exit statuses of a refused move, of a file that cannot be written
// and of wrong arguments, and the progress bar on a terminal.

#include <gtest/gtest.h>

#include "tests/export_test_support.h"
#include "tests/image_test_support.h"

namespace morvane::testing {
namespace {

const std::string kFree = kExamples + "crank-rocker.mvd ";
const std::string kLocking = kExamples + "locks-past-ninety.mvd ";

TEST(MovieCli, MoviesStoppedOrWholeAndFilesThatCannotBeWritten) {
  TempFolder folder;
  const auto out = [&](const std::string& name) { return (folder / name).string(); };
  ASSERT_EQ(RunCli("movie " + kFree + "--size 120x90 -o " + out("a.gif")).ExitCode, 0);
  EXPECT_EQ(Probe(out("a.gif"), "width,height,nb_read_frames", "-count_frames"), "120,90,24");
  // Stopped at 100 degrees: the 25 frames before are kept.
  const CliRun stopped = RunCli("movie " + kLocking + "--size 640x480 -o " + out("s.mpg"));
  EXPECT_EQ(stopped.ExitCode, 3);
  EXPECT_NE(stopped.Err.find("[  14 percent done ]\nSince the length of a rod does not suit, it cannot move.\n"
                             "Creation of a movie is stopped.\n"),
            std::string::npos)
      << stopped.Err;
  EXPECT_EQ(Probe(out("s.mpg"), "width,height,nb_read_frames", "-count_frames"), "640,480,50");
  const CliRun japanese = RunCli("--lang ja movie " + kLocking + "-o " + out("s.gif"));
  EXPECT_EQ(japanese.ExitCode, 3);
  EXPECT_NE(japanese.Err.find("ムービーの作成を中止します。"), std::string::npos) << japanese.Err;

  WriteBytes(out("older.avi"), "older");
  const CliRun limited = RunCli("movie " + kFree + "-o " + out("older.avi"), "ulimit -f 100;");
  EXPECT_EQ(limited.ExitCode, 73);
  EXPECT_NE(limited.Err.find(out("older.avi") + ": Creation of a movie was interrupted."), std::string::npos);
  EXPECT_EQ(ReadWholeFile(out("older.avi")), "older");
  EXPECT_EQ(RunCli("movie " + kFree + "-o " + out("no/a.mpg")).ExitCode, 73);
  EXPECT_EQ(folder.EntryCount(), 3u) << "no animation of the stopped turn";

  for (const std::string wrong : {"-o a.mp4", "-o a.gif --size 640x480", "-o a.mpg --size 120x90",
                                  "-o a.avi --size 100x100", "-o a.avi --position 10"}) {
    const CliRun run = RunCli("movie " + kFree + wrong);
    EXPECT_EQ(run.ExitCode, 64) << wrong;
    EXPECT_NE(run.Err.find("usage: morvane-cli movie"), std::string::npos) << wrong;
  }
}

TEST(MovieCli, ATerminalSeesABarRedrawnInPlace) {
  TempFolder folder;
  // script gives the command a terminal of its own.
  const std::string shown = CommandOutput("script -qec \"" + std::string(MORVANE_CLI) + " movie " + kLocking + "-o " +
                                          (folder / "t.gif").string() + "\" /dev/null");
  EXPECT_NE(shown.find("\r[#########---------------------] Under an GIF animation file output...  [  30 percent done ]"
                       "\r\nSince the length of a rod does not suit"),
            std::string::npos)
      << shown;
  EXPECT_EQ(shown.find("[  26 percent done ]\r\n"), std::string::npos) << "one line for every frame";
}

}  // namespace
}  // namespace morvane::testing
