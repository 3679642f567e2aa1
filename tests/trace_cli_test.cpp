#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <charconv>
#include <filesystem>
#include <map>

#include "solver/auto_rotation.h"
#include "tests/test_support.h"
#include "tests/solver_fixture.h"

namespace morvane {
namespace {

using namespace testing;

std::string Shortest(double value) {
  char buffer[32];
  return {buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr};
}

// The position, every pin's first slot in ascending pin order, then the first
// pen of each colour, each number the shortest that reads back the same.
std::string CsvRow(const ModelState& model) {
  std::map<std::pair<bool, int32_t>, Point> points;
  for (int i = 0; i < model.PartCount; ++i) {
    const PartRecord& part = model.PartTable[i];
    for (int s = 0; s < part.PinCount; ++s) {
      points.emplace(std::pair{false, part.PinId[s]}, PinWorld(part, s));
    }
    for (int s = 0; s < part.PenCount; ++s) {
      points.emplace(std::pair{true, part.PenColor[s]}, PenWorld(part, s));
    }
  }
  std::string row = std::to_string(model.PowerPosition);
  for (const auto& [key, p] : points) {
    row += "," + Shortest(p.X) + "," + Shortest(p.Y);
  }
  return row;
}

QJsonObject JsonRecord(const ModelState& model) {
  QJsonArray parts;
  for (int i = 0; i < model.PartCount; ++i) {
    const PartRecord& p = model.PartTable[i];
    QJsonArray pins;
    QJsonArray pens;
    for (int s = 0; s < p.PinCount; ++s) {
      pins.append(QJsonObject{
          {"id", p.PinId[s]}, {"state", static_cast<int32_t>(p.PinState[s])}, {"x", PinWorld(p, s).X}, {"y", PinWorld(p, s).Y}});
    }
    for (int s = 0; s < p.PenCount; ++s) {
      pens.append(QJsonObject{{"color", p.PenColor[s]}, {"x", PenWorld(p, s).X}, {"y", PenWorld(p, s).Y}});
    }
    parts.append(QJsonObject{{"index", i}, {"kind", p.Kind}, {"x", p.X}, {"y", p.Y}, {"angle", p.Angle},
                             {"size", p.Size}, {"pins", pins}, {"pens", pens}});
  }
  return {{"position", model.PowerPosition}, {"parts", parts}};
}

// Both formats of a run over the end of the bar hold the solver's numbers bit
// for bit; without an end the run goes two full turns, back to 0.
TEST(TraceCli, CsvAndJsonlHoldTheSolversExactNumbersAtEveryStep) {
  const std::string trace = "trace " + kExamples + "four-pens.mvd --from 7040 --to 160 --step 80";
  const CliRun csv = RunCli(trace);
  const CliRun jsonl = RunCli(trace + " --format jsonl");
  ASSERT_EQ(csv.ExitCode + jsonl.ExitCode, 0) << csv.Err << jsonl.Err;
  const std::vector<std::string> rows = Split(csv.Out, '\n');
  const std::vector<std::string> records = Split(jsonl.Out, '\n');
  ASSERT_TRUE(rows.size() == 6 && records.size() == 5) << csv.Out << jsonl.Out;
  EXPECT_EQ(rows[0],
            "position,pin0_x,pin0_y,pin101_x,pin101_y,pin102_x,pin102_y,pin103_x,pin103_y,pen_black_x,pen_black_y,"
            "pen_red_x,pen_red_y,pen_blue_x,pen_blue_y,pen_green_x,pen_green_y");
  Rig rig(LoadModel(kExamples + "four-pens.mvd"));
  for (int32_t position = 80; position < 7040; position += 80) {
    ASSERT_EQ(rig.Step(position).Status, DriveStatus::Moved);
  }
  for (size_t row = 0; row < records.size(); ++row) {
    ASSERT_EQ(rig.Step(NextAutoPosition(rig.Model->PowerPosition, 80, Rotation::Forward)).Status, DriveStatus::Moved);
    EXPECT_EQ(rows[row + 1], CsvRow(*rig.Model));
    EXPECT_TRUE(QJsonDocument::fromJson(QByteArray::fromStdString(records[row])).object() == JsonRecord(*rig.Model))
        << records[row];
  }
  // The pens alone: their columns of the whole trace, named by colour; in
  // jsonl each pen by its colour's name, with the same numbers.
  const std::vector<std::string> penRows = Split(RunCli(trace + " --pens-only").Out, '\n');
  const std::vector<std::string> penRecords = Split(RunCli(trace + " --format jsonl --pens-only").Out, '\n');
  ASSERT_TRUE(penRows.size() == rows.size() && penRecords.size() == records.size());
  const char* colours[] = {"black", "red", "blue", "green"};
  for (size_t row = 0; row < rows.size(); ++row) {
    std::vector<std::string> cells = Split(rows[row], ',');
    cells.erase(cells.begin() + 1, cells.begin() + 9);
    EXPECT_EQ(Split(penRows[row], ','), cells);
    if (row == 0) {
      continue;
    }
    const QJsonObject record = QJsonDocument::fromJson(QByteArray::fromStdString(penRecords[row - 1])).object();
    EXPECT_EQ(record["position"].toInt(), std::stoi(cells[0]));
    const QJsonArray pens = record["pens"].toArray();
    ASSERT_EQ(pens.size(), 4);
    for (int pen = 0; pen < 4; ++pen) {
      const QJsonObject at = pens[pen].toObject();
      EXPECT_EQ(at["color"].toString().toStdString(), colours[pen]);
      EXPECT_EQ(std::pair(at["x"].toDouble(), at["y"].toDouble()),
                std::pair(std::stod(cells[1 + 2 * pen]), std::stod(cells[2 + 2 * pen])));
    }
  }
  const std::vector<std::string> turns = Split(RunCli("trace " + kExamples + "crank-rocker.mvd").Out, '\n');
  ASSERT_EQ(turns.size(), static_cast<size_t>(kTrackMax / 40 + 2));
  EXPECT_EQ(turns.back().substr(0, 2), "0,");
}

TEST(TraceCli, RefusedStepKeepsTheRowsSoFarAndExits3) {
  Rig rig(LoadModel(kLockingModels + "locks-before-turn.mvd"));
  while (rig.Step(rig.Model->PowerPosition + 40).Status == DriveStatus::Moved) {
  }
  const CliRun run = RunCli("trace " + kLockingModels + "locks-before-turn.mvd");
  EXPECT_EQ(run.ExitCode, 3);
  EXPECT_EQ(run.Err, "Since the length of a rod does not suit, it cannot move.\n");
  const std::vector<std::string> lines = Split(run.Out, '\n');
  EXPECT_EQ(lines.size(), static_cast<size_t>(rig.Model->PowerPosition / 40 + 2));
  EXPECT_EQ(RunCli("--lang ja trace " + kLockingModels + "locks-before-turn.mvd").Err,
            "ロッドの長さが合わないので移動できません。\n");
}

TEST(TraceCli, ArgumentsAreChecked) {
  for (const std::string args : {"trace", "trace a.mvd b.mvd", "trace x.mvd --step 0", "trace x.mvd --step 81",
                                 "trace x.mvd --from 7201", "trace x.mvd --to -1", "trace x.mvd --format xml",
                                 "trace x.mvd --speed 3", "drive x.mvd -o y.mvd", "drive x.mvd --to 10",
                                 "drive x.mvd --to 9000 -o y.mvd", "drive x.mvd --to 10 --step x -o y.mvd"}) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.ExitCode, 64) << args;
    EXPECT_NE(run.Err.find("usage: morvane-cli " + Split(args, ' ')[0] + " MODEL.mvd"), std::string::npos)
        << args << ": " << run.Err;
  }
}

// Turned and saved, or nothing written when the mechanism locks on the way.
TEST(DriveCli, SavesTheModelTurnedToThePositionOrNothing) {
  const std::string folder = MakeTempFolder();
  const std::string out = folder + "/turned.mvd";
  ASSERT_EQ(RunCli("drive " + kExamples + "crank-rocker.mvd --to 900 --step 20 -o " + out).ExitCode, 0);
  const auto saved = LoadModel(out);
  Rig rig(LoadModel(kExamples + "crank-rocker.mvd"));
  for (int32_t position = 20; position <= 900; position += 20) {
    ASSERT_EQ(rig.Step(position).Status, DriveStatus::Moved);
  }
  EXPECT_TRUE(saved->PowerPosition == 900 && saved->TrackPosition == 900 && saved->AngleStep == rig.Model->AngleStep);
  EXPECT_LT(WorstFault(*saved, *rig.Model, true), 1e-9);

  const CliRun run = RunCli("drive " + kLockingModels + "locks-before-turn.mvd --to 3600 -o " + folder + "/refused.mvd");
  EXPECT_EQ(run.ExitCode, 3);
  EXPECT_FALSE(std::filesystem::exists(folder + "/refused.mvd"));
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace morvane
