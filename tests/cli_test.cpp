#include <gtest/gtest.h>

#include "tests/test_support.h"

namespace morvane {
namespace {

using testing::kExamples;
using testing::RunCli;

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
                                 "--lang fr info x.mvd"}) {
    const auto run = RunCli(args);
    EXPECT_EQ(run.ExitCode, 64) << args;
    EXPECT_NE(run.Err.find("usage: morvane-cli"), std::string::npos) << args << ": " << run.Err;
  }
  const auto help = RunCli("--help");
  EXPECT_EQ(help.ExitCode, 0);
  EXPECT_NE(help.Out.find("check MODEL.mvd"), std::string::npos);
  const auto version = RunCli("--version");
  EXPECT_EQ(version.ExitCode, 0);
  EXPECT_EQ(version.Out.rfind("morvane-cli ", 0), 0u);
}

}  // namespace
}  // namespace morvane
