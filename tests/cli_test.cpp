#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "tests/test_support.h"

namespace morvane {
namespace {

using namespace testing;

TEST(Cli, InfoDescribesPartsPinsAndCounters) {
  const auto run = RunCli("info " + kExamples + "four-pens.mvd");
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  for (const char* line : {"parts: 3", "power part: 0 DiskActive1", "pens: black red blue green",
                           "[2] RodPassive2 (580, 400) angle 90 size 280", "pin 103 fixed (580, 600)",
                           "pen black (500, 400)"}) {
    EXPECT_NE(run.Out.find(line), std::string::npos) << line << " in\n" << run.Out;
  }

  const auto japanese = RunCli("--lang ja info " + kExamples + "crank-rocker.mvd");
  ASSERT_EQ(japanese.ExitCode, 0);
  EXPECT_NE(japanese.Out.find("動力部品: 0 DiskActive1"), std::string::npos) << japanese.Out;
}

TEST(Cli, CheckSeparatesSoundBrokenAndUnreadableFiles) {
  EXPECT_EQ(RunCli("check " + kExamples + "slider-crank.mvd").ExitCode, 0);

  const std::string broken = std::string(MORVANE_SOURCE_DIR) + "/tests/data/malformed/header_other_version.mvd";
  auto run = RunCli("check " + broken);
  EXPECT_EQ(run.ExitCode, 2);
  EXPECT_NE(run.Err.find("The data file has broken."), std::string::npos) << run.Err;
  run = RunCli("check --lang ja " + broken);
  EXPECT_NE(run.Err.find("データファイルが壊れています。"), std::string::npos) << run.Err;

  run = RunCli("check " + kExamples + "missing.mvd");
  EXPECT_EQ(run.ExitCode, 2);
  EXPECT_NE(run.Err.find("Reading of a file went wrong."), std::string::npos) << run.Err;
}

TEST(Cli, BadArgumentsGiveUsageAndStatus64) {
  for (const std::string args : {"", "frobnicate", "info", "info a.mvd b.mvd", "check --colour red x.mvd",
                                 "--lang fr info x.mvd", "analyze x.mvd --format xml", "analyze x.mvd --step 0"}) {
    const auto run = RunCli(args);
    EXPECT_EQ(run.ExitCode, 64) << args;
    EXPECT_NE(run.Err.find("usage: morvane-cli"), std::string::npos) << args << ": " << run.Err;
  }
  // Of several mistakes one is told: the model files first, then the options in
  // the order their command checks them, wherever they stand.
  for (const auto& [args, told] : {std::pair{"drive --step 0 x.mvd y.mvd", ": too many arguments\n"},
                                   {"drive x.mvd --step 0", ": --to P is required\n"},
                                   {"trace x.mvd --step 0 --from 9999 --format xml", ": the format is csv or jsonl\n"},
                                   {"render x.mvd --size 0x0 -o a.tif", ": the image file must end in"}}) {
    const auto run = RunCli(args);
    EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 2) << args << ": " << run.Err;
    EXPECT_NE(run.Err.find(told), std::string::npos) << args << ": " << run.Err;
  }
  const auto help = RunCli("--help");
  EXPECT_EQ(help.ExitCode, 0);
  EXPECT_NE(help.Out.find("check MODEL.mvd"), std::string::npos);
  EXPECT_NE(help.Out.find("analyze MODEL.mvd [--step N] [--format text|json]"), std::string::npos);
  const auto version = RunCli("--version");
  EXPECT_EQ(version.ExitCode, 0);
  EXPECT_EQ(version.Out.rfind("morvane-cli ", 0), 0u);
}

// A protected file and an old picture on a full disk stay as they were, and
// output into a full standard output is reported. Links, devices and long
// names are the output file's own tests; the commands write through it.
TEST(Cli, OutputsNeverDestroyWhatStoodThere) {
  namespace fs = std::filesystem;
  const testing::TempFolder folder;
  const std::string model = kExamples + "crank-rocker.mvd";
  const auto drive = [&](const fs::path& out) { return RunCli("drive " + model + " --to 400 -o '" + out.string() + "'"); };

  testing::WriteBytes(folder / "protected.mvd", "keep");
  fs::permissions(folder / "protected.mvd", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(drive(folder / "protected.mvd").ExitCode, 73);
  EXPECT_EQ(testing::ReadWholeFile((folder / "protected.mvd").string()), "keep");

  testing::WriteBytes(folder / "old.png", "old picture");
  const auto full = RunCli("render " + model + " -o " + (folder / "old.png").string(), "ulimit -f 2; ");
  EXPECT_EQ(full.ExitCode, 73) << full.Err;
  EXPECT_EQ(testing::ReadWholeFile((folder / "old.png").string()), "old picture");

  EXPECT_EQ(folder.EntryCount(), 2u) << "a temporary was left behind";

  for (const std::string& args : {"info " + model, "check " + model, std::string("--help"), "trace " + model}) {
    const int status = std::system((std::string(MORVANE_CLI) + " " + args + " >/dev/full 2>/dev/null").c_str());
    EXPECT_EQ(WEXITSTATUS(status), 73) << args;
  }
  const auto trace = RunCli("trace " + model, "ulimit -f 1; ");
  EXPECT_EQ(trace.ExitCode, 73);
  EXPECT_EQ(RunCli("check /dev/zero").ExitCode, 2);
}

}  // namespace
}  // namespace morvane
