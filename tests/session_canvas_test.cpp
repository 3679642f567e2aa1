// Dragging and turning placed parts through the session.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "examples/model_building.h"
#include "model/part_kind.h"
#include "session/session.h"

namespace morvane {
namespace {

using examples::AddPart;
using examples::Drop;

// The grab modes of every kind of hold, on one canvas:
// 0 a lone rod, 1 a disk on its axle, 2 a rod on a fixed pin at its origin,
// 3 and 4 rods joined by one movable pin, 5 and 6 rods joined by one movable
// pin of which 6 also stands on a fixed pin.
struct Holds {
  Session S;
  Holds() {
    AddPart(S, RodPassive1, 100, 100);
    AddPart(S, DiskPassive1, 400, 100);
    AddPart(S, RodPassive1, 100, 300);
    Drop(S, KoteiPin, 100, 300);
    AddPart(S, RodPassive1, 100, 500);
    AddPart(S, RodPassive1, 260, 500);
    Drop(S, Hatome, 260, 500);
    AddPart(S, RodPassive1, 600, 500);
    AddPart(S, RodPassive1, 760, 500);
    Drop(S, Hatome, 760, 500);
    Drop(S, KoteiPin, 920, 500);
  }
  const PartRecord& Part(int i) const { return S.Model().PartTable[i]; }
};

TEST(SessionCanvas, GrabModeFollowsThePinsAndReleaseRecordsTheEdit) {
  Holds h;
  const struct { int Part; double X, Y; DragMode Mode; } grabs[] = {
      {0, 150, 100, DragMode::Loose},        {1, 420, 100, DragMode::Loose},
      {2, 260, 300, DragMode::OnPin},        {3, 140, 500, DragMode::WithLoneNeighbour},
      {5, 600, 500, DragMode::WithHingedNeighbour}};
  for (const auto& g : grabs) {
    const int before = h.S.History().HistoryCurrent();
    EXPECT_TRUE(h.S.Grab(g.Part, g.X, g.Y));
    EXPECT_EQ(h.S.Dragging(), g.Mode) << g.Part;
    EXPECT_TRUE(h.Part(g.Part).Selected);
    EXPECT_TRUE(h.S.Release());
    EXPECT_FALSE(h.Part(g.Part).Selected || h.Part(4).Selected || h.Part(6).Selected);
    EXPECT_EQ(h.S.History().HistoryCurrent(), before + 1) << g.Part;
  }
  EXPECT_FALSE(h.S.Grab(6, 760, 500)) << "a part on two pins does not move";
  EXPECT_EQ(h.S.Dragging(), DragMode::Held);
  EXPECT_EQ(h.S.DragTo(800, 600, false, -1), std::nullopt);
  EXPECT_EQ(h.Part(6).X, 760);
  const int before = h.S.History().HistoryCurrent();
  EXPECT_FALSE(h.S.Release());
  EXPECT_EQ(h.S.Dragging(), DragMode::Idle);
  EXPECT_EQ(h.S.History().HistoryCurrent(), before);
}

// A popup command or a whole-model move while two parts are held lets them go
// first: the records may move under the drag, and no recorded state may keep
// a part in outline, missing from the part-index picture.
TEST(SessionCanvas, EditsDuringADragLetTheHeldPartsGo) {
  Holds h;
  const std::function<void()> edits[] = {[&] { h.S.Delete(h.S.PlanDelete(0, 150, 100), true); },
                                         [&] { h.S.Rotate(0, 900); }, [&] { h.S.MoveAll(10, 0); }};
  for (const auto& edit : edits) {
    const int held = h.S.Model().PartCount - 2;
    ASSERT_TRUE(h.S.Grab(held, h.Part(held).X, h.Part(held).Y));
    ASSERT_EQ(h.S.Dragging(), DragMode::WithHingedNeighbour);
    edit();
    EXPECT_EQ(h.S.Dragging(), DragMode::Idle);
    h.S.DragTo(h.Part(held).X + 300, h.Part(held).Y - 300, true, -1);
    const Point shared = PinWorld(h.Part(held), 0), other = PinWorld(h.Part(held + 1), 0);
    EXPECT_TRUE(SamePoint(shared.X, shared.Y, other.X, other.Y));
  }
  do {
    for (int i = 0; i < h.S.Model().PartCount; ++i) {
      EXPECT_FALSE(h.Part(i).Selected) << "part " << i << " at history slot " << h.S.History().HistoryCurrent();
    }
    h.S.Undo();
  } while (h.S.CanUndo());
}

// A moved part keeps its grab offset and lands with its origin on the grid,
// or with the grabbed hole on a hole of the part under the pointer.
TEST(SessionCanvas, MovingSnapsToTheGridOrOntoAHole) {
  Holds h;
  h.S.Grab(0, 150, 100);
  h.S.DragTo(403, 207, false, -1);
  EXPECT_EQ(std::pair(h.Part(0).X, h.Part(0).Y), std::pair(350.0, 210.0));
  h.S.DragTo(418, 103, false, 1);
  EXPECT_EQ(std::pair(h.Part(0).X, h.Part(0).Y), std::pair(370.0, 100.0));
  h.S.Release();

  // Shift on a rod whose pin holds a rod with nothing else: both move.
  h.S.Grab(3, 140, 500);
  h.S.DragTo(182, 540, true, -1);
  EXPECT_EQ(std::pair(h.Part(3).X, h.Part(3).Y), std::pair(140.0, 540.0));
  EXPECT_EQ(std::pair(h.Part(4).X, h.Part(4).Y), std::pair(300.0, 540.0));
  h.S.Release();
}

TEST(SessionCanvas, TurningAboutPinsKeepsThemInPlace) {
  Holds h;
  h.S.Grab(2, 260, 300);
  h.S.DragTo(100, 460, false, -1);
  EXPECT_NEAR(h.Part(2).Angle, 90, 1e-9);
  EXPECT_NEAR(PinWorld(h.Part(2), 0).X, 100, 1e-9);
  EXPECT_NEAR(PinWorld(h.Part(2), 0).Y, 300, 1e-9);
  h.S.Release();

  // Shift on a rod hanging on a rod with a second pin: both turn about that
  // other pin, here a quarter turn clockwise on the screen.
  h.S.Grab(5, 600, 500);
  h.S.DragTo(920, 180, true, -1);
  EXPECT_LT(std::hypot(h.Part(6).X - 920, h.Part(6).Y - 340), 1e-9);
  EXPECT_LT(std::hypot(h.Part(5).X - 920, h.Part(5).Y - 180), 1e-9);
  const Point shared5 = PinWorld(h.Part(5), 0);
  const Point shared6 = PinWorld(h.Part(6), 0);
  EXPECT_TRUE(SamePoint(shared5.X, shared5.Y, shared6.X, shared6.Y));
  h.S.Release();
}

// Turning a part on its pin until one of its holes nears a hole of a part
// beneath, itself on one pin, brings the two holes together.
TEST(SessionCanvas, TurningAboutAPinJoinsTwoHoles) {
  Session s;
  const int a = AddPart(s, RodPassive1, 100, 300);
  Drop(s, KoteiPin, 100, 300);
  const int b = AddPart(s, RodPassive1, 400, 300, 175);
  Drop(s, KoteiPin, 400, 300);
  s.Grab(a, 262, 303);
  s.DragTo(262, 303, false, b);
  const PartRecord& moved = s.Model().PartTable[b];
  EXPECT_NEAR(moved.Angle, 180, 1e-6);
  const Point hole = WorldPoint(moved, 140, 0);
  EXPECT_LT(std::hypot(hole.X - 260, hole.Y - 300), 1e-6);
  EXPECT_NEAR(s.Model().PartTable[a].Angle, 0, 1e-6);
}

// A piston grabbed on its head follows the pointer with its stroke, which
// never leaves 0..180.
TEST(SessionCanvas, PistonHeadDragStaysWithinTheStroke) {
  Session s;
  const int piston = AddPart(s, PistonPassive, 100, 700);
  const double& stroke = s.Model().PartTable[piston].Size;
  s.Grab(piston, 210, 700);
  // From 180, a step to 120 would leave the stroke below 0 and is not taken.
  for (const auto& [x, expected] : {std::pair{240, 120}, {300, 180}, {301, 180}, {120, 180}, {-60, 0}}) {
    s.DragTo(x, 700, false, -1);
    EXPECT_EQ(stroke, expected) << "pointer at " << x;
  }
  s.Release();
  EXPECT_EQ(s.Model().PartTable[piston].X, 100) << "the piston itself stays";
}

// Shift-turning a power disk on its axle moves the track bar, and the drive
// turns it.
TEST(SessionCanvas, ShiftTurnOfAPowerDiskDrivesIt) {
  Session s;
  const int disk = AddPart(s, DiskActive1, 300, 300);
  s.Grab(disk, 400, 300);
  ASSERT_EQ(s.Dragging(), DragMode::Loose);
  EXPECT_EQ(s.DragTo(400, 305, true, -1), std::nullopt);
  EXPECT_EQ(std::pair(s.Model().TrackPosition, s.Model().PowerPosition), std::pair(29, 29));
  EXPECT_NEAR(s.Model().PartTable[disk].Angle, 2.9, 1e-12);
}

}  // namespace
}  // namespace morvane
