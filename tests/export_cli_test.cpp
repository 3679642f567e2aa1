// morvane-cli export, series, print, render and movie through the built
// binary: sizes and frames as ffprobe and pdfinfo read them, the exit statuses
// of a refused move, of files that cannot be written and of wrong arguments,
// names that are not UTF-8, pipes, signals, and the movie's progress bar on a
// terminal while a script sees only results and errors.

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <future>
#include <thread>

#include "tests/export_test_support.h"

namespace morvane::testing {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;

const std::string kFree = kExamples + "crank-rocker.mvd ";
const std::string kLocking = kLockingModels + "locks-past-ninety.mvd ";
// Where no login session made a runtime folder, as under cron or ssh.
const std::string kNoRuntimeFolder = "env -u XDG_RUNTIME_DIR ";

// Only the fixture's folder is used.
using ExportCli = ExportTest;
using MovieCli = ExportTest;

TEST_F(ExportCli, PicturesSheetsAndPrints) {
  const std::tuple<std::string, std::string, std::string> pictures[] = {
      {"export " + kFree, "a.jpeg", "1280,960"},
      {"export " + kFree + "--size 120x90 --position 900", "b.gif", "120,90"},
      {"export " + kFree + "--area 100,100,400,300", "c.BMP", "400,300"},
      {"series " + kFree + "--area 0,0,640,480", "d.gif", "1620,700"},
      {"render " + kFree + "--size 320x240", "e.jpg", "320,240"}};
  for (const auto& [arguments, name, size] : pictures) {
    const CliRun run = RunCli(arguments + " -o " + Path(name), kNoRuntimeFolder);
    ASSERT_EQ(run.ExitCode, 0) << arguments << run.Err;
    EXPECT_EQ(run.Err, "") << arguments << ": a script sees only results and errors";
    EXPECT_EQ(Probe(Path(name), "width,height"), size) << arguments;
  }

  // SVG: the caption as text, and none on the small picture, whose view box is its size.
  ASSERT_EQ(RunCli("export " + kFree + "-o " + Path("f.svg")).ExitCode, 0);
  ASSERT_EQ(RunCli("export " + kFree + "--size 120x90 -o " + Path("g.svg")).ExitCode, 0);
  EXPECT_THAT(ReadWholeFile(Path("f.svg")), HasSubstr("font-family=\"IPAGothic\" font-size=\"43\""));
  EXPECT_THAT(ReadWholeFile(Path("f.svg")), HasSubstr(">【crank-rocker】</text>"));
  EXPECT_THAT(ReadWholeFile(Path("g.svg")), AllOf(HasSubstr("viewBox=\"0 0 120 90\""), Not(HasSubstr("<text"))));

  for (const std::string& print : {"print " + kFree + "-o " + Path("one.pdf"),
                                   "--lang ja print " + kFree + "--series -o " + Path("series.pdf")}) {
    const CliRun run = RunCli(print, kNoRuntimeFolder);
    ASSERT_EQ(run.ExitCode, 0) << print;
    EXPECT_EQ(run.Err, "") << print;
  }
  const PdfPage one = ReadPdfPage(Path("one.pdf")), series = ReadPdfPage(Path("series.pdf"));
  EXPECT_EQ(one.Pages, 1);
  EXPECT_EQ(one.Points, QSizeF(842, 595)) << "A4 landscape";
  EXPECT_EQ(series.Pages, 1);
  EXPECT_EQ(series.Points, QSizeF(595, 842)) << "A4 portrait";
}

TEST_F(ExportCli, RefusalsAndFilesThatCannotBeWritten) {
  const std::string sheet = Path("sheet.jpg");
  const CliRun stopped = RunCli("series " + kLocking + "-o " + sheet);
  EXPECT_EQ(stopped.ExitCode, 3);
  EXPECT_EQ(stopped.Err, kRodRefusal + "\nCreation of a continuation image is stopped.\n");
  const CliRun japanese = RunCli("--lang ja print " + kLocking + "--series -o " + Path("p.pdf"));
  EXPECT_EQ(japanese.ExitCode, 3);
  EXPECT_THAT(japanese.Err, HasSubstr("連続イメージの印刷を中止します。"));
  EXPECT_EQ(ReadPdfPage(Path("p.pdf")).Pages, 1) << "the pictures so far are printed";
  EXPECT_FALSE(std::filesystem::exists(sheet));

  WriteBytes(sheet, "older");
  const CliRun limited = RunCli("series " + kFree + "-o " + sheet, "ulimit -f 8;");
  EXPECT_EQ(limited.ExitCode, 73);
  EXPECT_EQ(limited.Err, sheet + ": The writing of a file went wrong.\n");
  EXPECT_EQ(ReadWholeFile(sheet), "older");
  EXPECT_EQ(RunCli("export " + kFree + "-o " + Path("no/a.gif")).ExitCode, 73);
  EXPECT_EQ(RunCli("print " + kFree + "-o " + Path("no/a.pdf")).ExitCode, 73);

  for (const std::string& wrong : {"export " + kFree + "-o a.png", "export " + kFree + "-o a.jpg --size 100x100",
                                   "series " + kFree + "-o a.jpg --position 10", "print " + kFree + "-o a.jpg",
                                   "series " + kFree + "-o a.svg"}) {
    const CliRun run = RunCli(wrong);
    EXPECT_EQ(run.ExitCode, 64) << wrong;
    EXPECT_THAT(run.Err, HasSubstr("usage: morvane-cli"));
  }
  // Areas whose far edge lies beyond the range of int, or just off the canvas.
  for (const std::string command : {"render", "export", "series", "print", "movie"}) {
    for (const std::string area : {"2147483647,0,1,1", "0,0,1280,2147483647", "-2147483648,0,1,1", "1,0,1280,960"}) {
      const std::string output = Path(command + (command == "print" ? ".pdf" : ".gif"));
      const CliRun run = RunCli(command + " " + kFree + "--area " + area + " -o " + output);
      EXPECT_EQ(run.ExitCode, 64) << command << " " << area;
      EXPECT_THAT(run.Err, HasSubstr("the area is X,Y,W,H")) << command << " " << area;
    }
  }
  EXPECT_EQ(folder.EntryCount(), 2u);
}

// Every output is written under exactly the bytes of its name, also where
// they are no UTF-8: two names that differ in such a byte are two files.
TEST_F(ExportCli, OutputsAreNamedByTheirExactBytes) {
  const std::pair<std::string, std::string> commands[] = {
      {"print", ".pdf"}, {"export", ".jpg"}, {"render --size 64x48", ".png"}, {"movie --size 120x90", ".gif"}};
  for (const auto& [command, extension] : commands) {
    for (const std::string name : {"a\xe9", "a\xe8"}) {
      const CliRun run = RunCli(command + " " + kFree + "-o '" + Path(name + extension) + "'");
      EXPECT_EQ(run.ExitCode, 0) << command << run.Err;
      EXPECT_TRUE(std::filesystem::exists(Path(name + extension))) << command;
    }
  }
  EXPECT_EQ(folder.EntryCount(), 8u);
}

// As shell tools do, the command waits for a pipe's reader.
TEST_F(ExportCli, APipeIsWrittenOnceItsReaderComes) {
  const std::string pipe = Path("pipe.jpg");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  std::future<std::string> received = std::async(std::launch::async, [&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    return ReadWholeFile(pipe);
  });
  const CliRun run = RunCli("export " + kFree + "-o " + pipe);
  EXPECT_EQ(run.ExitCode, 0);
  if (run.ExitCode != 0) {
    // The reader still waits for a writer: an empty one ends it.
    close(open(pipe.c_str(), O_WRONLY));
  }
  WriteBytes(Path("received.jpg"), received.get());
  EXPECT_EQ(Probe(Path("received.jpg"), "width,height"), "1280,960");
}

TEST_F(MovieCli, MoviesStoppedOrWholeAndFilesThatCannotBeWritten) {
  ASSERT_EQ(RunCli("movie " + kFree + "--size 120x90 -o " + Path("a.gif")).ExitCode, 0);
  EXPECT_EQ(Probe(Path("a.gif"), "width,height,nb_read_frames", "-count_frames"), "120,90,24");
  // Stopped at 100 degrees: the 25 frames before are kept.
  const CliRun stopped = RunCli("movie " + kLocking + "--size 640x480 -o " + Path("s.mpg"));
  EXPECT_EQ(stopped.ExitCode, 3);
  EXPECT_EQ(stopped.Err, kRodRefusal + "\nCreation of a movie is stopped.\n");
  EXPECT_EQ(Probe(Path("s.mpg"), "width,height,nb_read_frames", "-count_frames"), "640,480,50");
  const CliRun japanese = RunCli("--lang ja movie " + kLocking + "-o " + Path("s.gif"));
  EXPECT_EQ(japanese.ExitCode, 3);
  EXPECT_THAT(japanese.Err, HasSubstr("ムービーの作成を中止します。"));

  WriteBytes(Path("older.avi"), "older");
  const CliRun limited = RunCli("movie " + kFree + "-o " + Path("older.avi"), "ulimit -f 100;");
  EXPECT_EQ(limited.ExitCode, 73);
  EXPECT_THAT(limited.Err, HasSubstr(Path("older.avi") + ": Creation of a movie was interrupted."));
  EXPECT_EQ(ReadWholeFile(Path("older.avi")), "older");
  EXPECT_EQ(RunCli("movie " + kFree + "-o " + Path("no/a.mpg")).ExitCode, 73);
  EXPECT_EQ(folder.EntryCount(), 3u) << "no animation of the stopped turn";

  for (const std::string wrong : {"-o a.mp4", "-o a.gif --size 640x480", "-o a.mpg --size 120x90",
                                  "-o a.avi --size 100x100", "-o a.avi --position 10"}) {
    const CliRun run = RunCli("movie " + kFree + wrong);
    EXPECT_EQ(run.ExitCode, 64) << wrong;
    EXPECT_THAT(run.Err, HasSubstr("usage: morvane-cli movie"));
  }
}

// Starts a 640 x 480 AVI movie, sends the signal as soon as the movie's
// temporary file shows in the folder, and returns how the program ended.
int InterruptedMovie(const std::filesystem::path& folder, const std::string& output, int signal) {
  const std::string model = kExamples + "crank-rocker.mvd";
  const pid_t pid = fork();
  if (pid == 0) {
    // As from an interactive shell, whatever this test's parent ignores.
    for (const int s : {SIGINT, SIGTERM, SIGHUP}) {
      std::signal(s, SIG_DFL);
    }
    dup2(open("/dev/null", O_WRONLY), STDERR_FILENO);
    execl(MORVANE_CLI, "morvane-cli", "movie", model.c_str(), "--size", "640x480", "-o", output.c_str(), nullptr);
    _exit(127);
  }
  const auto writing = [&] {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.path().filename().string().starts_with(".mvtmp-")) {
        return true;
      }
    }
    return false;
  };
  for (int wait = 0; wait < 2000 && !writing(); ++wait) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  kill(pid, signal);
  int status = 0;
  waitpid(pid, &status, 0);
  return status;
}

// Ctrl-C, a kill and a closed terminal each take the hidden temporary away,
// leave the older file as it was and end the program by that signal.
TEST_F(MovieCli, SignalsLeaveNoTemporaryBehind) {
  WriteBytes(Path("older.avi"), "older");
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    const int status = InterruptedMovie(folder.Path, Path("older.avi"), signal);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << strsignal(signal) << " " << status;
    EXPECT_EQ(folder.EntryCount(), 1u) << strsignal(signal);
    EXPECT_EQ(ReadWholeFile(Path("older.avi")), "older");
  }
}

TEST_F(MovieCli, ATerminalSeesABarRedrawnInPlace) {
  // script gives the command a terminal of its own.
  const std::string shown = CommandOutput("script -qec \"" + std::string(MORVANE_CLI) + " movie " + kLocking +
                                          "-o " + Path("t.gif") + "\" /dev/null");
  EXPECT_THAT(shown, HasSubstr("\r[#########---------------------] Under an GIF animation file output...  "
                               "[  30 percent done ]\r\n" + kRodRefusal));
  EXPECT_EQ(shown.find("[  26 percent done ]\r\n"), std::string::npos) << "one line for every frame";
}

}  // namespace
}  // namespace morvane::testing
