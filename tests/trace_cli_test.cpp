#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <charconv>
#include <filesystem>
#include <map>
#include <sstream>

#include "model/model_file.h"
#include "solver/auto_rotation.h"
#include "tests/cli_runner.h"
#include "tests/mechanism_checks.h"
#include "tests/solver_fixture.h"

namespace morvane {
namespace {

using namespace testing;

const std::string kExamples = std::string(MORVANE_SOURCE_DIR) + "/examples/";

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream stream(text);
  for (std::string part; std::getline(stream, part, separator);) {
    parts.push_back(part);
  }
  return parts;
}

double Number(const std::string& field) {
  double value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  EXPECT_TRUE(error == std::errc() && end == field.data() + field.size()) << field;
  return value;
}

// Every pin's first slot, in ascending pin order, as the csv lists them.
std::vector<double> PinColumns(const ModelState& model) {
  std::map<int32_t, Point> pins;
  for (int i = model.PartCount - 1; i >= 0; --i) {
    for (int s = model.PartTable[i].PinCount - 1; s >= 0; --s) {
      pins[model.PartTable[i].PinId[s]] = PinWorld(model.PartTable[i], s);
    }
  }
  std::vector<double> values;
  for (const auto& [id, p] : pins) {
    values.insert(values.end(), {p.X, p.Y});
  }
  return values;
}

TEST(TraceCli, CsvHasOneRowPerStepWithTheSolversExactNumbers) {
  const CliRun run = RunCli("trace " + kExamples + "crank-rocker.mvd");
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  const std::vector<std::string> lines = Split(run.Out, '\n');
  ASSERT_EQ(lines.size(), 182u);
  EXPECT_EQ(lines[0], "position,pin0_x,pin0_y,pin101_x,pin101_y,pin102_x,pin102_y,pin103_x,pin103_y");

  DriveRig rig(LoadExample("crank-rocker.mvd"));
  for (size_t row = 1; row < lines.size(); ++row) {
    if (row > 1) {
      ASSERT_EQ(rig.Step(NextAutoPosition(rig.Model->PowerPosition, 40, Rotation::Forward)).Status,
                DriveStatus::Moved);
    }
    const std::vector<std::string> fields = Split(lines[row], ',');
    ASSERT_EQ(fields.size(), 9u) << lines[row];
    EXPECT_EQ(fields[0], std::to_string(rig.Model->PowerPosition));
    const std::vector<double> expected = PinColumns(*rig.Model);
    for (size_t c = 0; c < expected.size(); ++c) {
      EXPECT_EQ(Number(fields[c + 1]), expected[c]) << "row " << row << " column " << c + 1;
    }
  }
  EXPECT_EQ(Split(lines.back(), ',')[0], "0");

  const CliRun pens = RunCli("trace " + kExamples + "four-pens.mvd --to 80");
  EXPECT_EQ(Split(pens.Out, '\n').front(),
            "position,pin0_x,pin0_y,pin101_x,pin101_y,pin102_x,pin102_y,pin103_x,pin103_y,pen_black_x,pen_black_y,"
            "pen_red_x,pen_red_y,pen_blue_x,pen_blue_y,pen_green_x,pen_green_y");
  EXPECT_EQ(Split(pens.Out, '\n')[1], "0,300,400,340,400,580,400,580,600,500,400,660,400,580,500,300,330");
}

TEST(TraceCli, JsonlCarriesEveryPartAtFullPrecision) {
  const CliRun run = RunCli("trace " + kExamples + "four-pens.mvd --format jsonl --from 80 --to 400 --step 80");
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  const std::vector<std::string> lines = Split(run.Out, '\n');
  ASSERT_EQ(lines.size(), 5u);
  DriveRig rig(LoadExample("four-pens.mvd"));
  for (size_t row = 0; row < lines.size(); ++row) {
    ASSERT_EQ(rig.Step(80 * static_cast<int32_t>(row + 1)).Status, DriveStatus::Moved);
    QJsonParseError error;
    const QJsonObject record = QJsonDocument::fromJson(QByteArray::fromStdString(lines[row]), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << lines[row];
    EXPECT_EQ(record["position"].toInt(), rig.Model->PowerPosition);
    const QJsonArray parts = record["parts"].toArray();
    ASSERT_EQ(parts.size(), rig.Model->PartCount);
    for (int i = 0; i < rig.Model->PartCount; ++i) {
      const PartRecord& part = rig.Model->PartTable[i];
      const QJsonObject json = parts[i].toObject();
      EXPECT_EQ(json["kind"].toInt(), part.Kind);
      EXPECT_EQ(json["angle"].toDouble(), part.Angle);
      const QJsonArray pins = json["pins"].toArray();
      ASSERT_EQ(pins.size(), part.PinCount);
      for (int s = 0; s < part.PinCount; ++s) {
        EXPECT_EQ(pins[s].toObject()["id"].toInt(), part.PinId[s]);
        EXPECT_EQ(pins[s].toObject()["x"].toDouble(), PinWorld(part, s).X);
        EXPECT_EQ(pins[s].toObject()["y"].toDouble(), PinWorld(part, s).Y);
      }
      const QJsonArray pens = json["pens"].toArray();
      ASSERT_EQ(pens.size(), part.PenCount);
      for (int s = 0; s < part.PenCount; ++s) {
        EXPECT_EQ(pens[s].toObject()["color"].toInt(), part.PenColor[s]);
        EXPECT_EQ(pens[s].toObject()["x"].toDouble(), PenWorld(part, s).X);
      }
    }
  }
}

TEST(TraceCli, RefusedStepKeepsTheRowsSoFarAndExits3) {
  DriveRig rig(LoadExample("locks-before-turn.mvd"));
  while (rig.Step(rig.Model->PowerPosition + 40).Status == DriveStatus::Moved) {
  }
  const CliRun run = RunCli("trace " + kExamples + "locks-before-turn.mvd");
  EXPECT_EQ(run.ExitCode, 3);
  EXPECT_EQ(run.Err, "Since the length of a rod does not suit, it cannot move.\n");
  const std::vector<std::string> lines = Split(run.Out, '\n');
  EXPECT_EQ(lines.size(), static_cast<size_t>(rig.Model->PowerPosition / 40 + 2));
  EXPECT_EQ(Split(lines.back(), ',')[0], std::to_string(rig.Model->PowerPosition));

  EXPECT_EQ(RunCli("--lang ja trace " + kExamples + "locks-before-turn.mvd").Err,
            "ロッドの長さが合わないので移動できません。\n");
}

TEST(TraceCli, ArgumentsAndModelsAreChecked) {
  for (const std::string args : {"trace", "trace a.mvd b.mvd", "trace x.mvd --step 0", "trace x.mvd --step 81",
                                 "trace x.mvd --from 7201", "trace x.mvd --to -1", "trace x.mvd --format xml",
                                 "trace x.mvd --speed 3", "drive x.mvd -o y.mvd", "drive x.mvd --to 10",
                                 "drive x.mvd --to 9000 -o y.mvd", "drive x.mvd --to 10 --step x -o y.mvd"}) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.ExitCode, 64) << args;
    EXPECT_NE(run.Err.find("usage: morvane-cli " + Split(args, ' ')[0] + " MODEL.mvd"), std::string::npos)
        << args << ": " << run.Err;
  }
  const std::string folder = MakeTempFolder();
  const CliRun missing = RunCli("trace " + folder + "/missing.mvd");
  EXPECT_EQ(missing.ExitCode, 2);
  EXPECT_NE(missing.Err.find("Reading of a file went wrong."), std::string::npos);
  EXPECT_EQ(RunCli("drive " + folder + "/missing.mvd --to 10 -o " + folder + "/out.mvd").ExitCode, 2);
  std::filesystem::remove_all(folder);
}

TEST(DriveCli, SavesTheModelTurnedToThePositionOrNothing) {
  const std::string folder = MakeTempFolder();
  const std::string out = folder + "/turned.mvd";
  ASSERT_EQ(RunCli("drive " + kExamples + "crank-rocker.mvd --to 900 --step 20 -o " + out).ExitCode, 0);
  auto saved = std::make_unique<ModelState>();
  ASSERT_EQ(ReadModelFile(out, *saved).Status, ReadStatus::Ok);
  DriveRig rig(LoadExample("crank-rocker.mvd"));
  for (int32_t position = 20; position <= 900; position += 20) {
    ASSERT_EQ(rig.Step(position).Status, DriveStatus::Moved);
  }
  EXPECT_EQ(saved->PowerPosition, 900);
  EXPECT_EQ(saved->TrackPosition, 900);
  EXPECT_EQ(saved->AngleStep, rig.Model->AngleStep);
  for (int i = 0; i < saved->PartCount; ++i) {
    EXPECT_NEAR(saved->PartTable[i].X, rig.Model->PartTable[i].X, 1e-9);
    EXPECT_NEAR(saved->PartTable[i].Y, rig.Model->PartTable[i].Y, 1e-9);
    EXPECT_NEAR(saved->PartTable[i].Angle, rig.Model->PartTable[i].Angle, 1e-9);
  }

  const std::string back = folder + "/back.mvd";
  ASSERT_EQ(RunCli("drive " + out + " --to 0 -o " + back).ExitCode, 0);
  auto returned = std::make_unique<ModelState>();
  ASSERT_EQ(ReadModelFile(back, *returned).Status, ReadStatus::Ok);
  const auto start = LoadExample("crank-rocker.mvd");
  EXPECT_LT(WorstPinError(*returned, CrankOf(*start).JointPin, CrankOf(*start).B), 1e-6);

  const std::string refused = folder + "/refused.mvd";
  const CliRun run = RunCli("drive " + kExamples + "locks-before-turn.mvd --to 3600 -o " + refused);
  EXPECT_EQ(run.ExitCode, 3);
  EXPECT_EQ(run.Err, "Since the length of a rod does not suit, it cannot move.\n");
  EXPECT_FALSE(std::filesystem::exists(refused));
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace morvane
