#include <gtest/gtest.h>

#include <memory>

#include "examples/model_building.h"
#include "model/edit_history.h"
#include "model/part_kind.h"

namespace morvane {
namespace {

struct Session {
  std::unique_ptr<ModelState> Model = std::make_unique<ModelState>();
  std::unique_ptr<EditHistory> History = std::make_unique<EditHistory>();

  void Place(int32_t kind, double x, double y) {
    examples::AddPart(*Model, kind, x, y);
    History->TakeSnapshot(*Model);
  }
};

TEST(EditHistory, UndoAndRedoStepThroughPlacementsAndDropTheRedoBranch) {
  Session s;
  s.Place(RodPassive1, 100, 100);
  EXPECT_EQ(s.History->HistoryCurrent(), 0);
  EXPECT_FALSE(s.History->CanUndo());
  s.Place(DiskActive1, 400, 400);
  EXPECT_TRUE(s.History->CanUndo());
  EXPECT_TRUE(s.Model->HasPowerPart);

  ASSERT_TRUE(s.History->Undo(*s.Model));
  EXPECT_EQ(s.Model->PartCount, 1);
  EXPECT_FALSE(s.Model->HasPowerPart);
  EXPECT_EQ(s.Model->PowerPartIndex, -1);
  EXPECT_FALSE(s.History->CanUndo());
  EXPECT_TRUE(s.History->CanRedo());
  EXPECT_FALSE(s.History->Undo(*s.Model));

  ASSERT_TRUE(s.History->Redo(*s.Model));
  EXPECT_EQ(s.Model->PartCount, 2);
  EXPECT_EQ(s.Model->PowerPartIndex, 1);
  EXPECT_FALSE(s.History->CanRedo());
  EXPECT_FALSE(s.History->Redo(*s.Model));

  ASSERT_TRUE(s.History->Undo(*s.Model));
  s.Place(RodPassive2, 600, 100);
  EXPECT_FALSE(s.History->CanRedo());
  EXPECT_EQ(s.History->HistoryTop(), s.History->HistoryCurrent());
  EXPECT_EQ(s.Model->PartTable[1].Kind, RodPassive2);
}

TEST(EditHistory, AFullHistoryStillUpdatesThePlacement) {
  Session s;
  s.Place(RodPassive1, 100, 100);
  for (int i = 1; i < kHistorySlots; ++i) {
    MoveAllParts(*s.Model, *s.History, 10, 0);
  }
  EXPECT_EQ(s.History->HistoryTop(), kHistorySlots - 1);
  MoveAllParts(*s.Model, *s.History, 10, 0);
  EXPECT_EQ(s.History->HistoryTop(), kHistorySlots - 1);
  EXPECT_EQ(s.Model->PlacementTable[0].X, 100 + 10 * kHistorySlots);
  ASSERT_TRUE(s.History->Undo(*s.Model));
  // The slot before the last recorded one, not the unrecorded move.
  EXPECT_EQ(s.Model->PartTable[0].X, 100 + 10 * (kHistorySlots - 2));
}

TEST(EditHistory, MoveAllRestorePlacementAndReset) {
  Session s;
  s.Place(DiskActive1, 400, 400);
  for (int i = 0; i < 5; ++i) {
    MoveAllParts(*s.Model, *s.History, -10, 0);
  }
  EXPECT_EQ(s.Model->PartTable[0].X, 350);
  EXPECT_EQ(s.History->HistoryCurrent(), 5);

  s.Model->SpeedIndex = 4;
  s.Model->AngleStep = 10;
  s.Model->TrackPosition = 300;
  s.History->TakeSnapshot(*s.Model);
  s.Model->PartTable[0].Angle = 30;
  s.Model->TrackPosition = 600;
  s.Model->SpeedIndex = 0;
  RestorePlacement(*s.Model);
  EXPECT_EQ(s.Model->PartTable[0].Angle, 0);
  EXPECT_EQ(s.Model->TrackPosition, 300);
  EXPECT_EQ(s.Model->SpeedIndex, 4);
  EXPECT_EQ(s.Model->AngleStep, 10);
  EXPECT_TRUE(s.Model->TrackEventsEnabled);

  DocumentNames names{"/home/pupil/", "Crank.mvd"};
  ResetModel(*s.Model, *s.History, names);
  EXPECT_EQ(s.Model->PartCount, 0);
  EXPECT_EQ(s.Model->NextPinId, 101);
  EXPECT_FALSE(s.Model->HasPowerPart);
  EXPECT_EQ(s.Model->PowerPartIndex, -1);
  EXPECT_EQ(s.Model->AngleStep, 40);
  EXPECT_EQ(s.Model->SpeedIndex, 2);
  EXPECT_EQ(s.Model->TrackPosition, 0);
  EXPECT_EQ(s.Model->PartTable[0].PinCount, 0);
  EXPECT_EQ(s.History->HistoryCurrent(), -1);
  EXPECT_FALSE(s.History->CanUndo());
  EXPECT_EQ(names.LastModelFolder, "/home/pupil/");
  EXPECT_TRUE(names.LastModelName.empty());
}

}  // namespace
}  // namespace morvane
