// morvane-cli render through the built binary: the pictures it writes and its refusals.

#include <gtest/gtest.h>

#include <QRect>
#include <filesystem>
#include <string>

#include "tests/test_support.h"
#include "tests/render_support.h"
#include "tests/solver_fixture.h"

namespace morvane::testing {
namespace {

TEST(RenderCommand, PicturesAndRefusals) {
  const auto picture = [](const std::string& path) {
    return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
  };
  const std::string folder = MakeTempFolder(), out = " -o " + folder + "/out.PNG ";
  const QImage whole = picture(std::string(MORVANE_SOURCE_DIR) + "/tests/data/render/slider-crank.png");
  const std::pair<std::string, QImage> pictures[] = {
      {"", whole},
      {"--area 250,300,640,200 --size 320x100",
       whole.copy(QRect(250, 300, 640, 200)).scaled(320, 100, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)}};
  for (const auto& [options, expected] : pictures) {
    const auto run = RunCli("render " + kExamples + "slider-crank.mvd" + out + options);
    ASSERT_EQ(run.ExitCode, 0) << options << run.Err;
    EXPECT_EQ(picture(folder + "/out.PNG"), expected) << options;
  }
  // A full turn at the file's speed, with the loci the pens traced on the way.
  ASSERT_EQ(RunCli("render " + kExamples + "four-pens.mvd --position 3600" + out).ExitCode, 0);
  Rig turned(LoadModel(kExamples + "four-pens.mvd"));
  for (int32_t position = 40; position <= 3600; position += 40) {
    ASSERT_EQ(turned.Step(position).Status, DriveStatus::Moved);
  }
  EXPECT_EQ(picture(folder + "/out.PNG"), Render(*turned.Model, turned.Loci).Scene);
  std::filesystem::remove(folder + "/out.PNG");

  const std::string model = kExamples + "crank-rocker.mvd" + out, usage = "usage: morvane-cli render MODEL.mvd";
  const struct { std::string Args; int ExitCode; std::string Says; } refusals[] = {
      {kExamples + "crank-rocker.mvd -o " + folder + "/a.tif", 64, "must end in .png, .jpg, .bmp, .gif or .svg"},
      {kExamples + "crank-rocker.mvd", 64, usage},   {model + "--area 0,0,1281,10", 64, usage},
      {model + "--area 1,2,3", 64, usage},          {model + "--size 0x10", 64, usage},
      {model + "--position 7201", 64, usage},       {model + "-o", 64, usage},
      {folder + "/missing.mvd" + out, 2, "missing.mvd: "},
      {kLockingModels + "locks-before-turn.mvd --position 3600" + out, 3, "cannot move"}};
  for (const auto& r : refusals) {
    const auto run = RunCli("render " + r.Args);
    EXPECT_EQ(run.ExitCode, r.ExitCode) << r.Args;
    EXPECT_NE(run.Err.find(r.Says), std::string::npos) << r.Args << ": " << run.Err;
  }
  EXPECT_TRUE(std::filesystem::is_empty(folder));
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace morvane::testing
