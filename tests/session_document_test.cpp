// The session's files, history and the exports' road.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "examples/model_building.h"
#include "model/model_file.h"
#include "model/part_kind.h"
#include "session/session.h"
#include "tests/test_support.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;
using examples::AddPart;
using examples::Drop;

TEST(SessionDocument, OpenAndSaveRememberNamesAndKeepTheModelOnFailure) {
  testing::TempFolder folder;
  Session s;
  EXPECT_EQ(s.StartFolder(folder.Path.string() + "/"), folder.Path.string() + "/");
  const auto exists = [](const std::string& path) { return fs::exists(path); };
  EXPECT_EQ(s.ProposeModelName(exists), "NewData");
  AddPart(s, DiskActive1, 300, 300);
  Drop(s, PenBlack, 300, 270);
  s.DriveTo(40);
  ASSERT_FALSE(s.Loci().Empty());

  testing::WriteBytes(folder / "Model.MVD", "old");
  chmod((folder / "Model.MVD").c_str(), 0640);
  EXPECT_EQ(s.Save((folder / "Model.MVD").string()), std::nullopt);
  EXPECT_TRUE(s.Loci().Empty()) << "saving erases the loci";
  EXPECT_EQ(testing::ReadWholeFile((folder / "Model.MVD").string()), *FormatModelText(s.Model()));
  struct stat info {};
  stat((folder / "Model.MVD").c_str(), &info);
  EXPECT_EQ(info.st_mode & 07777, 0640u) << "a saved file keeps its permissions";
  EXPECT_EQ(s.Names().LastModelName, "Model.MVD");
  EXPECT_EQ(s.ProposeModelName(exists), "Model");
  EXPECT_EQ(s.Save((folder / "Model.txt").string()), std::nullopt);
  EXPECT_TRUE(fs::exists(folder / "Model.txt.mvd"));

  const Reply failed = s.Save((folder / "gone" / "x.mvd").string());
  ASSERT_TRUE(failed);
  EXPECT_EQ(failed->Text, "The writing of a file went wrong.");
  EXPECT_EQ(s.Names().LastModelName, "x.mvd") << "the new name is kept even so";

  const std::string before = *FormatModelText(s.Model());
  const std::string broken = std::string(MORVANE_SOURCE_DIR) + "/tests/data/malformed/header_lower_case.mvd";
  EXPECT_EQ(s.Open(broken)->Text, "The data file has broken.");
  EXPECT_EQ(s.Open((folder / "none.mvd").string())->Text, "Reading of a file went wrong.");
  EXPECT_EQ(*FormatModelText(s.Model()), before);

  AddPart(s, RodPassive1, 100, 100);
  AddPart(s, RodPassive1, 500, 100);
  ASSERT_TRUE(s.CanUndo());
  EXPECT_EQ(s.Open(testing::kExamples + "four-pens.mvd"), std::nullopt);
  EXPECT_FALSE(s.CanUndo() || s.CanRedo());
  EXPECT_TRUE(s.RotationEnabled());
  EXPECT_EQ(s.Model().PartCount, 3);
}

// Undo brings back the counters of the state it returns to, the pen flags and
// the next pin number among them.
TEST(SessionDocument, UndoRestoresPenFlagsAndPinNumbers) {
  Session s;
  AddPart(s, RodPassive1, 100, 100);
  AddPart(s, RodPassive1, 260, 100);
  Drop(s, Hatome, 260, 100);
  Drop(s, PenBlue, 200, 100);
  EXPECT_EQ(s.Model().NextPinId, 102);
  s.Undo();
  EXPECT_FALSE(s.Model().PenPlaced[2]);
  s.Undo();
  EXPECT_EQ(s.Model().NextPinId, 101);
  s.Redo();
  s.Redo();
  EXPECT_TRUE(s.Model().PenPlaced[2]);
  EXPECT_EQ(s.Model().NextPinId, 102);
}

TEST(SessionDocument, ReturnToPlacementClearAllAndMoveAll) {
  Session s;
  ASSERT_EQ(s.Open(testing::kExamples + "crank-rocker.mvd"), std::nullopt);
  const Table placed = s.Model().PartTable;
  s.SetSpeed(0);
  for (int32_t p = 80; p <= 800; p += 80) {
    ASSERT_EQ(s.DriveTo(p).Status, DriveStatus::Moved);
  }
  s.ReturnToPlacement();
  EXPECT_EQ(s.Model().PartTable, placed);
  EXPECT_EQ(s.Model().TrackPosition, 0);
  ASSERT_EQ(s.DriveTo(40).Status, DriveStatus::Moved);
  EXPECT_EQ(s.Model().PartTable[0].Angle, 4) << "the first step after a return starts from the placement";
  s.ReturnToPlacement();
  EXPECT_EQ(s.Model().AngleStep, 40);
  EXPECT_TRUE(s.Loci().Empty());

  for (int i = 0; i < 5; ++i) {
    s.MoveAll(-10, 0);
  }
  EXPECT_EQ(s.Model().PartTable[2].X, placed[2].X - 50);
  EXPECT_EQ(s.History().HistoryCurrent(), 4);

  s.ClearAll();
  EXPECT_EQ(s.Model().PartCount, 0);
  EXPECT_FALSE(s.RotationEnabled() || s.CanUndo() || s.CanRedo());
  EXPECT_TRUE(s.Names().LastModelName.empty());
}

// Undo and redo tell whether the model differs from the one saved.
TEST(SessionDocument, AnUndoneEditLeavesTheModelAsSaved) {
  const testing::TempFolder folder;
  Session s;
  AddPart(s, DiskActive1, 300, 400);
  ASSERT_EQ(s.Save(folder / "a.mvd"), std::nullopt);
  AddPart(s, RodPassive1, 800, 800);
  EXPECT_TRUE(s.Modified());
  s.Undo();
  EXPECT_FALSE(s.Modified());
  s.Redo();
  EXPECT_TRUE(s.Modified());
}

// The animation's road, then the movies' from a start off the 40-unit grid,
// one step at a time, across the end of the bar, where the drive alone would
// stop at 0. Where a refusal stops an export and what it puts back is checked
// on the exports themselves.
TEST(SessionDocument, ExportRoadCrossesTheEndOfTheBar) {
  Session s;
  ASSERT_EQ(s.Open(testing::kExamples + "crank-rocker.mvd"), std::nullopt);
  s.SetAngleStep(20);
  Reply refusal;
  for (int i = 0; i < 24; ++i) {
    ASSERT_TRUE(s.MoveForExport(150 * i, i > 0 ? 2 : 0, refusal)) << i;
  }
  for (int32_t t = 3490; t <= 7210 + 80; t += 40) {
    ASSERT_TRUE(s.MoveForExport(t % kTrackMax, 0, refusal)) << t;
  }
  EXPECT_EQ(s.Model().TrackPosition, 90);
  EXPECT_NEAR(s.Model().PartTable[0].Angle, 9, 1e-12);
}

}  // namespace
}  // namespace morvane
