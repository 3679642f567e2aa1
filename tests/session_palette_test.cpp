// Placing from the palette through the session: the press refusals, the
// snapping of the drag, and the joining rules at the drop.

#include <gtest/gtest.h>

#include <string>

#include "examples/model_building.h"
#include "model/part_kind.h"
#include "session/session.h"
#include "tests/test_support.h"

namespace morvane {
namespace {

using examples::AddPart;
using examples::Drop;

constexpr int32_t kPaletteKinds[] = {DiskActive1, DiskActive2, DiskActive3, DiskPassive1, DiskPassive2, DiskPassive3,
                                     RodActive1,  RodActive2,  RodPassive1, RodPassive2,  RodPassive3,  RodPassive4,
                                     Triangle1,   Triangle2,   PistonActive, PistonPassive, Hatome,     KoteiPin,
                                     PenBlack,    PenRed,      PenBlue,     PenGreen};

std::string Said(const Reply& reply) { return reply ? reply->Text : ""; }

// Every palette picture accepts a press with 48 parts placed and refuses one
// with 49, pins and pens included.
TEST(SessionPalette, FortyNinePartsFromEveryPageAndNoMore) {
  Session session;
  for (int i = 0; i < kMaxParts - 1; ++i) {
    AddPart(session, RodPassive1, 20 + 250 * (i % 5), 20 + 40 * (i / 5));
  }
  for (const int32_t kind : kPaletteKinds) {
    EXPECT_EQ(Said(session.PressPalette(kind, 600, 900, true)), "") << kind;
    EXPECT_EQ(session.Dragging(), DragMode::Palette) << kind;
    EXPECT_EQ(session.DropPalette(false), std::nullopt);
  }
  EXPECT_EQ(session.Model().PartCount, kMaxParts - 1) << "a drop on the palette discards";
  AddPart(session, DiskActive3, 600, 900);
  for (const int32_t kind : kPaletteKinds) {
    EXPECT_EQ(Said(session.PressPalette(kind, 600, 900, true)), "Parts cannot be arranged.") << kind;
    EXPECT_EQ(session.Dragging(), DragMode::Idle);
  }
  EXPECT_EQ(session.Model().PartCount, kMaxParts);
}

TEST(SessionPalette, SecondPowerPartAndPlacedPenColoursAreRefusedOnPress) {
  for (const Language language : {Language::English, Language::Japanese}) {
    Session session(language);
    AddPart(session, DiskActive2, 300, 300);
    const bool ja = language == Language::Japanese;
    EXPECT_EQ(Said(session.PressPalette(PistonActive, 0, 0, true)),
              ja ? "複数の動力部品は配置できません。" : "Two or more power parts cannot be arranged.");
    EXPECT_EQ(Said(session.PressPalette(RodActive1, 0, 0, false)), "") << "only the left button places";
    const char* const english[] = {"black", "red", "blue", "green"};
    const char* const japanese[] = {"黒", "赤", "青", "緑"};
    for (int colour = 0; colour < kPenColours; ++colour) {
      Drop(session, PenBlack + colour, 300, 270 - 20 * colour);
      EXPECT_EQ(Said(session.PressPalette(PenBlack + colour, 0, 0, true)),
                ja ? std::string(japanese[colour]) + "色ペンは既に配置されています。"
                   : std::string("The ") + english[colour] + " pen is already arranged.");
      EXPECT_EQ(session.Dragging(), DragMode::Idle);
    }
  }
}

// A pin dragged over a part snaps to a hole within 8 pixels in both
// coordinates; between holes it stays at the pointer, and only off every part
// body does it fall back to the 10-pixel grid.
TEST(SessionPalette, DragSnapsToAHoleNearbyElseToTheGrid) {
  Session session;
  const int rod = AddPart(session, RodPassive1, 200, 200);
  session.PressPalette(Hatome, 0, 0, true);
  const PartRecord& dragged = session.Model().PartTable[1];
  for (const auto& [x, y, over, snapped] : {std::tuple{247, 206, rod, std::pair(240.0, 200.0)},
                                            {251, 192, rod, std::pair(251.0, 192.0)},
                                            {247, 206, -1, std::pair(250.0, 210.0)},
                                            {234, 194, -1, std::pair(230.0, 190.0)}}) {
    session.MovePaletteDrag(x, y, over);
    EXPECT_EQ(std::pair(dragged.X, dragged.Y), snapped) << x << ", " << y << " over " << over;
  }
}

Reply DropAt(Session& session, int32_t kind, double x, double y) {
  session.PressPalette(kind, x, y, true);
  return session.DropPalette(true);
}

TEST(SessionPalette, DropsJoinOrRefuseWithTheirMessages) {
  Session session;
  const int first = AddPart(session, RodPassive1, 200, 200);
  const int second = AddPart(session, RodPassive1, 360, 200);
  EXPECT_EQ(Said(DropAt(session, Hatome, 300, 200)), "A movable pin connects two or more parts.");
  EXPECT_EQ(Said(DropAt(session, Hatome, 600, 600)), "") << "on the empty canvas a pin just vanishes";
  EXPECT_EQ(Said(DropAt(session, Hatome, 360, 200)), "");
  EXPECT_EQ(session.Model().PartTable[first].PinId[0], session.Model().PartTable[second].PinId[0]);
  EXPECT_EQ(Said(DropAt(session, KoteiPin, 360, 200)), "The pin is already arranged.");
  EXPECT_EQ(Said(DropAt(session, KoteiPin, 220, 200)), "");
  EXPECT_EQ(session.Model().PartTable[first].PinState[1], PinStatus::Fixed);
  EXPECT_EQ(Said(DropAt(session, PenBlue, 260, 200)), "");
  EXPECT_TRUE(session.Model().PenPlaced[2]);
  session.EraseLoci();
  Drop(session, PenGreen, 400, 200);
  EXPECT_EQ(Said(DropAt(session, PenRed, 400, 200)), "The pen is already arranged.");
  EXPECT_FALSE(session.Model().PenPlaced[1]);
  EXPECT_EQ(session.Model().PartCount, 2) << "pins and pens leave no record behind";
  EXPECT_EQ(session.Model().NextPinId, 103);
}

TEST(SessionPalette, APowerPartSetsTheTrackBarWhereItsDriveStarts) {
  Session piston;
  AddPart(piston, PistonActive, 100, 400);
  EXPECT_EQ(std::pair(piston.Model().TrackPosition, piston.Model().PowerPosition), std::pair(900, 900));
  EXPECT_TRUE(piston.RotationEnabled());
  EXPECT_EQ(piston.DriveTo(940).Status, DriveStatus::Moved);
  EXPECT_EQ(piston.Model().PartTable[0].Size, 94) << "the phase follows on from 90 degrees";

  Session disk;
  disk.SetSpeed(4);
  AddPart(disk, DiskActive1, 300, 300);
  EXPECT_EQ(std::pair(disk.Model().TrackPosition, disk.Model().PlacementAngleStep), std::pair(0, 10));
}

}  // namespace
}  // namespace morvane
