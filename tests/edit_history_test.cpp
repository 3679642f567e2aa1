#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <utility>

#include "tests/part_building.h"
#include "model/catalogue.h"
#include "model/edit_history.h"
#include "model/part_kind.h"

namespace morvane {
namespace {

struct Session {
  std::unique_ptr<ModelState> Model = std::make_unique<ModelState>();
  std::unique_ptr<EditHistory> History = std::make_unique<EditHistory>();

  void Place(int32_t kind, double x, double y) {
    testing::AddPart(*Model, kind, x, y);
    History->TakeSnapshot(*Model);
  }
};

TEST(EditHistory, UndoAndRedoStepThroughPlacementsAndDropTheRedoBranch) {
  Session s;
  s.Place(RodPassive1, 100, 100);
  EXPECT_EQ(std::pair(s.History->HistoryCurrent(), s.History->CanUndo()), std::pair(0, false));
  s.Place(DiskActive1, 400, 400);
  EXPECT_TRUE(s.History->CanUndo() && s.Model->HasPowerPart);

  ASSERT_TRUE(s.History->Undo(*s.Model));
  EXPECT_EQ(s.Model->PartCount, 1);
  EXPECT_EQ(std::pair(s.Model->HasPowerPart, s.Model->PowerPartIndex), std::pair(false, -1));
  EXPECT_EQ(std::pair(s.History->CanUndo(), s.History->CanRedo()), std::pair(false, true));
  EXPECT_FALSE(s.History->Undo(*s.Model));

  ASSERT_TRUE(s.History->Redo(*s.Model));
  EXPECT_EQ(std::pair(s.Model->PartCount, s.Model->PowerPartIndex), std::pair(2, 1));
  EXPECT_FALSE(s.History->CanRedo() || s.History->Redo(*s.Model));

  ASSERT_TRUE(s.History->Undo(*s.Model));
  s.Place(RodPassive2, 600, 100);
  EXPECT_FALSE(s.History->CanRedo());
  EXPECT_EQ(s.History->HistoryTop(), s.History->HistoryCurrent());
  EXPECT_EQ(s.Model->PartTable[1].Kind, RodPassive2);
}

// A return to the placement after an undo brings back the parts the undo
// left, not records of the parts it took away.
TEST(EditHistory, AReturnAfterUndoKeepsThePinsOfTheRestoredParts) {
  Session s;
  s.Place(RodPassive1, 100, 100);
  s.Place(RodPassive1, 100, 100);
  ASSERT_TRUE(PlacePin(*s.Model, PinStatus::Movable, 100, 100));
  s.History->TakeSnapshot(*s.Model);
  ASSERT_TRUE(s.History->Undo(*s.Model) && s.History->Undo(*s.Model));
  RestorePlacement(*s.Model);
  EXPECT_EQ(s.Model->PartTable[0].PinCount, 0) << "a pin into a part that is gone";
  ASSERT_TRUE(s.History->Redo(*s.Model) && s.History->Redo(*s.Model));
  RestorePlacement(*s.Model);
  EXPECT_EQ(s.Model->PartTable[0].PinCount, 1) << "the pin the redo brought back";
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

// Moving the whole model is checked through the session, with its history.
TEST(EditHistory, RestorePlacementAndReset) {
  Session s;
  s.Place(DiskActive1, 400, 400);
  s.Model->SpeedIndex = 4;
  s.Model->AngleStep = 10;
  s.Model->TrackPosition = 300;
  s.History->TakeSnapshot(*s.Model);
  s.Model->PartTable[0].Angle = 30;
  s.Model->TrackPosition = 600;
  s.Model->SpeedIndex = 0;
  RestorePlacement(*s.Model);
  EXPECT_EQ(s.Model->PartTable[0].Angle, 0);
  EXPECT_EQ(std::tuple(s.Model->TrackPosition, s.Model->SpeedIndex, s.Model->AngleStep), std::tuple(300, 4, 10));
  EXPECT_TRUE(s.Model->TrackEventsEnabled);
  // A file that stored a step of 0 turns at its speed's step after a return.
  s.Model->PlacementAngleStep = 0;
  RestorePlacement(*s.Model);
  EXPECT_EQ(std::pair(s.Model->SpeedIndex, s.Model->AngleStep), std::pair(4, 10));

  DocumentNames names{"/home/pupil/", "Crank.mvd"};
  ResetModel(*s.Model, *s.History, names);
  EXPECT_EQ(std::tuple(s.Model->PartCount, s.Model->NextPinId, s.Model->HasPowerPart, s.Model->PowerPartIndex),
            std::tuple(0, 101, false, -1));
  EXPECT_EQ(std::tuple(s.Model->AngleStep, s.Model->SpeedIndex, s.Model->TrackPosition), std::tuple(40, 2, 0));
  EXPECT_EQ(s.Model->PartTable[0].PinCount, 0);
  EXPECT_EQ(std::pair(s.History->HistoryCurrent(), s.History->CanUndo()), std::pair(-1, false));
  EXPECT_EQ(std::pair(names.LastModelFolder, names.LastModelName), std::pair(std::string("/home/pupil/"), std::string()));
}

}  // namespace
}  // namespace morvane
