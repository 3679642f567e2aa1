// morvane-cli render through the built binary: the pictures it writes, and
// its refusals.

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/cli_runner.h"
#include "tests/render_support.h"

namespace morvane::testing {
namespace {

const std::string kExamples = std::string(MORVANE_SOURCE_DIR) + "/examples/";

QImage Reference(const std::string& name) {
  return QImage(QString::fromStdString(std::string(MORVANE_SOURCE_DIR) + "/tests/data/render/" + name + ".png"))
      .convertToFormat(QImage::Format_RGB32);
}

QImage Written(const std::string& path) {
  return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
}

TEST(RenderCommand, WritesTheCanvasItsAreaAndScaledPictures) {
  const std::string folder = MakeTempFolder();
  const auto whole = RunCli("render " + kExamples + "slider-crank.mvd -o " + folder + "/whole.png");
  ASSERT_EQ(whole.ExitCode, 0) << whole.Err;
  EXPECT_EQ(Written(folder + "/whole.png"), Reference("slider-crank"));

  const auto area = RunCli("render " + kExamples + "slider-crank.mvd -o " + folder + "/area.png --area 250,300,640,200");
  ASSERT_EQ(area.ExitCode, 0) << area.Err;
  EXPECT_EQ(Written(folder + "/area.png"), Reference("slider-crank").copy(QRect(250, 300, 640, 200)));

  const auto scaled =
      RunCli("render " + kExamples + "slider-crank.mvd -o " + folder + "/small.PNG --area 0,0,640,480 --size 320x240");
  ASSERT_EQ(scaled.ExitCode, 0) << scaled.Err;
  EXPECT_EQ(Written(folder + "/small.PNG").size(), QSize(320, 240));
  std::filesystem::remove_all(folder);
}

// After a full turn the pens have traced their loci: red pixels far from the
// red pen's mark belong to its trail.
TEST(RenderCommand, DrivesToThePositionFirst) {
  const std::string folder = MakeTempFolder();
  const auto run = RunCli("render " + kExamples + "four-pens.mvd -o " + folder + "/turned.png --position 3600");
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  const QImage picture = Written(folder + "/turned.png");
  int trail = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      trail += Rgb(picture, x, y) == 0xFF0000 && (std::abs(x - 660) > 12 || std::abs(y - 400) > 12);
    }
  }
  EXPECT_GT(trail, 20);
  std::filesystem::remove_all(folder);
}

TEST(RenderCommand, RefusesWithExitCodesAndMessages) {
  const std::string folder = MakeTempFolder();
  const std::string model = kExamples + "crank-rocker.mvd";
  const auto jpeg = RunCli("render " + model + " -o " + folder + "/a.jpg");
  EXPECT_EQ(jpeg.ExitCode, 64);
  EXPECT_NE(jpeg.Err.find("not supported yet"), std::string::npos) << jpeg.Err;
  EXPECT_NE(jpeg.Err.find("usage: morvane-cli render MODEL.mvd"), std::string::npos) << jpeg.Err;
  for (const std::string bad : {"--area 0,0,1281,10", "--area 1,2,3", "--size 0x10", "--position 7201", "", "-o"}) {
    EXPECT_EQ(RunCli("render " + model + " " + bad + (bad.empty() ? "" : " -o " + folder + "/b.png")).ExitCode, 64)
        << bad;
  }
  EXPECT_EQ(RunCli("render " + folder + "/missing.mvd -o " + folder + "/c.png").ExitCode, 2);
  const auto locked = RunCli("render " + kExamples + "locks-before-turn.mvd -o " + folder + "/d.png --position 3600");
  EXPECT_EQ(locked.ExitCode, 3);
  EXPECT_NE(locked.Err.find("cannot move"), std::string::npos) << locked.Err;
  EXPECT_FALSE(std::filesystem::exists(folder + "/b.png") || std::filesystem::exists(folder + "/d.png"));
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace morvane::testing
