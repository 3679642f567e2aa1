// The popup menu through the session: delete, the fixed-angle turns and the
// property window's texts.

#include <gtest/gtest.h>

#include "examples/model_building.h"
#include "model/part_kind.h"
#include "session/session.h"
#include "tests/test_support.h"

namespace morvane {
namespace {

using examples::AddPart;
using examples::AddPartAt;
using examples::Drop;
using examples::DropAt;
using examples::HoleOf;

// A pen and a pin share one point; the pen goes first, then the pin; the axle
// of a disk stays, and a part goes only once nothing is attached to it.
TEST(SessionPopup, DeleteTakesPenThenPinThenPartAndRefusesTheAxle) {
  for (const bool yes : {false, true}) {
    Session s;
    const int disk = AddPart(s, DiskPassive1, 300, 300);
    const int rod = AddPart(s, RodPassive1, 340, 300);
    Drop(s, Hatome, 340, 300);
    Drop(s, PenRed, 340, 300);
    const ModelState& m = s.Model();

    const DeletePlan axle = s.PlanDelete(disk, 302, 298);
    EXPECT_EQ(axle.What, DeletePlan::Target::Refused);
    EXPECT_EQ(axle.Text, "The pin of the center of a disc cannot be deleted.");
    const int before = s.History().HistoryCurrent();
    s.Delete(axle, true);
    EXPECT_EQ(s.History().HistoryCurrent(), before) << "a refusal records nothing";

    const DeletePlan pen = s.PlanDelete(rod, 343, 302);
    EXPECT_EQ(pen.What, DeletePlan::Target::Pen);
    EXPECT_EQ(pen.Text, "A pen is deleted." + std::string(31, ' '));
    s.Delete(pen, yes);
    EXPECT_EQ(s.History().HistoryCurrent(), before + 1) << "No records the state as well";
    EXPECT_EQ(m.PartTable[disk].PenCount + m.PartTable[rod].PenCount, yes ? 0 : 2);
    EXPECT_EQ(m.PenPlaced[1], !yes);
    if (!yes) {
      continue;
    }
    EXPECT_EQ(s.PlanDelete(rod, 200, 200).Text, "Since the pin is connected, it cannot delete.");
    EXPECT_EQ(s.PlanDelete(disk, 250, 250).Text,
              "Since the pin is connected in addition to the center, it cannot delete.");
    const DeletePlan pin = s.PlanDelete(disk, 340, 300);
    EXPECT_EQ(pin.What, DeletePlan::Target::Pin);
    s.Delete(pin, true);
    EXPECT_EQ(std::pair(m.PartTable[disk].PinCount, m.PartTable[rod].PinCount), std::pair(1, 0));
    s.Delete(s.PlanDelete(disk, 250, 250), true);
    EXPECT_EQ(m.PartCount, 1);
    EXPECT_EQ(m.PartTable[0].Kind, RodPassive1);
    Drop(s, PenBlue, 380, 300);
    EXPECT_EQ(s.PlanDelete(0, 200, 200).Text, "Since the pen is connected, it cannot delete.");
  }
}

// A pin and a pen joining two holes that lie 0.4 apart, deleted through a
// third part whose hole is near one slot only: every slot of each goes. A
// disk's axle cannot be deleted through a part lying over its centre.
TEST(SessionPopup, DeletesThroughAThirdPartTakeWholePinsAndSpareAxles) {
  Session s;
  ModelState& m = s.MutableModel();
  const int a = AddPart(s, RodPassive1, 100, 500);
  const int b = AddPart(s, RodPassive1, 260, 500);
  m.PartTable[b].Y += 0.4;
  Drop(s, Hatome, 260, 500);
  Drop(s, PenBlue, 260, 500);
  const int c = AddPart(s, RodPassive1, 260, 300, 90);
  m.PartTable[c].Y -= 0.2;
  for (const DeletePlan::Target what : {DeletePlan::Target::Pen, DeletePlan::Target::Pin}) {
    const DeletePlan plan = s.PlanDelete(c, 260, 499.8);
    ASSERT_EQ(plan.What, what);
    s.Delete(plan, true);
  }
  EXPECT_EQ(m.PartTable[a].PinCount + m.PartTable[b].PinCount + m.PartTable[a].PenCount + m.PartTable[b].PenCount, 0);
  EXPECT_FALSE(m.PenPlaced[2]);

  const int disk = AddPart(s, DiskPassive1, 600, 300);
  const int over = AddPart(s, RodPassive1, 600, 300);
  const DeletePlan axle = s.PlanDelete(over, 601, 299);
  EXPECT_EQ(axle.What, DeletePlan::Target::Refused);
  EXPECT_EQ(axle.Text, "The pin of the center of a disc cannot be deleted.");
  // A disk without its axle, as a file may hold it, keeps a movable pin.
  m.PartTable[disk].PinCount = 0;
  Drop(s, Hatome, 640, 300);
  EXPECT_EQ(s.PlanDelete(disk, 560, 300).Text,
            "Since the pin is connected in addition to the center, it cannot delete.");
}

TEST(SessionPopup, DeletingThePowerPartEndsRotation) {
  Session s;
  AddPart(s, RodPassive1, 100, 100);
  AddPart(s, DiskActive1, 400, 400);
  AddPart(s, RodPassive2, 600, 100);
  s.Delete(s.PlanDelete(0, 150, 100), true);
  EXPECT_EQ(s.Model().PowerPartIndex, 0);
  s.Delete(s.PlanDelete(0, 400, 350), true);
  EXPECT_FALSE(s.RotationEnabled());
  EXPECT_EQ(s.Model().PowerPartIndex, -1);
  EXPECT_EQ(s.Model().PartTable[0].Kind, RodPassive2);
}

// Left +90 then right +90 leaves the part and the track bar where they were;
// the refusals are warnings and still record the state.
TEST(SessionPopup, FixedAngleTurnsAndTheirRefusals) {
  Session s;
  const int power = AddPart(s, DiskActive1, 300, 300);
  const int rod = AddPart(s, RodPassive1, 600, 100);
  Drop(s, KoteiPin, 680, 100);
  s.DriveTo(40);
  const PartRecord rodBefore = s.Model().PartTable[rod];
  const PartRecord diskBefore = s.Model().PartTable[power];
  for (const int tag : {2700, 900}) {
    EXPECT_EQ(s.Rotate(rod, tag), std::nullopt);
    EXPECT_EQ(s.Rotate(power, tag), std::nullopt);
  }
  EXPECT_NEAR(s.Model().PartTable[rod].X, rodBefore.X, 1e-9);
  EXPECT_NEAR(s.Model().PartTable[rod].Y, rodBefore.Y, 1e-9);
  EXPECT_NEAR(s.Model().PartTable[rod].Angle, rodBefore.Angle, 1e-9);
  EXPECT_NEAR(s.Model().PartTable[power].Angle, diskBefore.Angle, 1e-9);
  EXPECT_EQ(s.Model().TrackPosition, 40);
  s.Rotate(rod, 450);
  EXPECT_NEAR(PinWorld(s.Model().PartTable[rod], 0).X, 680, 1e-9) << "a part on one pin turns about it";
  s.Rotate(rod, 0);
  EXPECT_NEAR(s.Model().PartTable[rod].Angle, 45, 1e-9) << "the initial state leaves a pinned part";

  const int loose = AddPart(s, Triangle1, 900, 500, 30);
  s.Rotate(loose, 0);
  EXPECT_EQ(s.Model().PartTable[loose].Angle, 0);
  const int disk = AddPart(s, DiskPassive2, 300, 700);
  const int held = AddPart(s, RodPassive1, 800, 800);
  Drop(s, KoteiPin, 800, 800);
  Drop(s, KoteiPin, 840, 800);
  const int before = s.History().HistoryCurrent();
  EXPECT_EQ(s.Rotate(disk, 10), (Notice{Notice::Style::Warning, "Since the pin is connected, it cannot rotate."}));
  EXPECT_EQ(s.Rotate(held, 10),
            (Notice{Notice::Style::Warning, "Since two or more pins are connected, it cannot rotate."}));
  EXPECT_EQ(s.History().HistoryCurrent(), before + 2);
  EXPECT_EQ(s.Model().PartTable[disk].Angle + s.Model().PartTable[held].Angle, 0);
}

// Every text of the property window, in the window's order.
std::vector<std::string> Texts(const PartProperties& p) {
  return {p.Name, p.Position, p.Angle, p.Pins, p.Parts, p.Range, p.Number};
}

TEST(SessionPopup, PropertyTextsInBothLanguages) {
  Session ja(Language::Japanese);
  const int disk = AddPart(ja, DiskPassive1, 300, 300);
  EXPECT_EQ(Texts(ja.Describe(disk, 302, 299)),
            (std::vector<std::string>{"円盤（小） 上の固定ピン", "（300，300）", "0 度", "可動ピン=0個 ／ 固定ピン=1個",
                                      "0 個", "固定ピンを中心とした円の範囲", "Parts No.=0 / Pin No.=0 / Pin Index=0"}));

  Session en;
  const int a = AddPart(en, RodPassive2, 100, 100, 30);
  const int b = AddPart(en, RodPassive1, 100, 100);
  Drop(en, Hatome, 100, 100);
  Drop(en, PenGreen, 180, 100);
  const PartProperties p = en.Describe(b, 181, 102);
  EXPECT_EQ(p.Name, "Rod1 (L=200) (with green pen) ");
  EXPECT_EQ(p.Position, "（100，100）") << "between pins the part's own origin";
  EXPECT_EQ(Texts(en.Describe(a, 100, 100)),
            (std::vector<std::string>{"The movable pin Rod2 (L=280) ", "（100，100）", "30 degree",
                                      "Movable pin=1pieces / Fixed pin=0pieces", "1 pieces",
                                      "The range of the circle centering on a movable pin",
                                      "Parts No.=0 / Pin No.=0 / Pin Index=101"}));

  en.MutableModel().PartTable[a].Kind = Triangle3;
  EXPECT_EQ(en.Describe(a, 0, 0).Name, "Triangle(Big) ");
}

// Each mix of fixed and movable pins on a rod placed at a fractional point,
// whose position shows rounded.
TEST(SessionPopup, MovableRangeByThePinsOfThePart) {
  const std::pair<std::vector<int32_t>, std::string> ranges[] = {
      {{KoteiPin, KoteiPin}, "It cannot move"},
      {{KoteiPin}, "The range of the circle centering on a fixed pin"},
      {{Hatome}, "The range of the circle centering on a movable pin"},
      {{}, "It can move freely"},
      {{Hatome, KoteiPin},
       "Although it is the range of the circle centering on a fixed pin, a movable pin may receive restriction"},
      {{Hatome, Hatome}, "Two or more movable pins connected may receive restriction"},
  };
  for (const auto& [pins, range] : ranges) {
    Session s;
    const int rod = AddPartAt(s, RodPassive1, {100.6, 200.4});
    for (size_t k = 0; k < pins.size(); ++k) {
      const Point hole = HoleOf(s, rod, {40.0 * static_cast<double>(k), 0});
      if (pins[k] == Hatome) {
        AddPartAt(s, RodPassive1, hole, 90);  // a movable pin joins two parts
      }
      DropAt(s, pins[k], hole);
    }
    const PartProperties p = s.Describe(rod, 120, 200);
    EXPECT_EQ(p.Range, range);
    EXPECT_EQ(p.Position, "（101，200）");
  }
}

}  // namespace
}  // namespace morvane
