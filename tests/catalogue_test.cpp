#include <gtest/gtest.h>

#include <memory>

#include "model/catalogue.h"
#include "model/model_texts.h"
#include "model/part_frame.h"
#include "model/part_kind.h"
#include "tests/part_building.h"

namespace morvane {
namespace {

std::unique_ptr<ModelState> NewModel() { return std::make_unique<ModelState>(); }

using testing::AddPart;

TEST(Catalogue, EveryKindGetsItsSizeAxleAndHoleCountAndFortyNineFit) {
  const struct {
    int32_t Kind;
    double Size;
    int Holes;
  } kinds[] = {{DiskActive1, 80, 12},  {DiskPassive2, 100, 16}, {DiskActive3, 120, 20}, {RodActive1, 120, 3},
               {RodActive2, 200, 7},   {RodPassive1, 200, 9},   {RodPassive2, 280, 13}, {RodPassive3, 360, 17},
               {RodPassive4, 440, 21}, {Triangle1, 160, 18},    {Triangle2, 200, 24},   {Triangle3, 240, 30},
               {Lgata1, 160, 13},      {Lgata2, 200, 17},       {Lgata3, 240, 21},      {PistonPassive, 90, 4}};
  for (const auto& k : kinds) {
    auto model = NewModel();
    ASSERT_FALSE(CreatePart(*model, k.Kind, 104, 95));
    const PartRecord& part = model->PartTable[0];
    EXPECT_EQ(part.Size, k.Size) << k.Kind;
    // Disks and power rods list their centre hole apart: it carries the axle.
    EXPECT_EQ(HolesOf(part).Count, k.Holes) << k.Kind;
    EXPECT_EQ(part.PinCount, HasAxle(k.Kind) ? 1 : 0);
    EXPECT_EQ(std::pair(part.X, part.Y), std::pair(100.0, 100.0)) << "snapped to the grid";
    EXPECT_TRUE(part.Selected && part.Visible);
  }
  auto model = NewModel();
  AddPart(*model, RodPassive1, 0, 0);
  AddPart(*model, DiskPassive1, 0, 0);
  EXPECT_EQ(model->PartTable[1].PinId[0], 1);
  EXPECT_EQ(model->PartTable[1].PinState[0], PinStatus::Fixed);
  // Sizes from a file are not bounded by the palette (the rendering tests see
  // the small ones).
  PartRecord small = model->PartTable[1];
  small.Size = 1e300;
  EXPECT_EQ(HolesOf(small).Count, kMaxHoles);
  small.Size = -1e300;
  EXPECT_EQ(HolesOf(small).Count, 0);
  small.Kind = RodPassive6;
  small.Size = 1000;
  EXPECT_EQ(HolesOf(small).Count, 49);

  // Forty-nine parts fit and the fiftieth is refused.
  model = NewModel();
  for (int i = 0; i < kMaxParts; ++i) {
    ASSERT_FALSE(CreatePart(*model, RodPassive1, 10 * i, 0));
  }
  EXPECT_EQ(CreatePart(*model, RodPassive1, 0, 0), model_texts::PartsFull);
  EXPECT_EQ(model->PartCount, kMaxParts);
}

TEST(Catalogue, PistonHolesFollowTheStroke) {
  // Turned holes are seen in the rendering tests.
  auto model = NewModel();
  const int piston = AddPart(*model, PistonPassive, 0, 500);
  for (const double phase : {90.0, 270.0, 180.0}) {
    model->PartTable[piston].Size = phase;
    const double first = phase == 180 ? 420 : 330;
    EXPECT_EQ(CountHolesAt(*model, first, 500), 1) << phase;
    EXPECT_EQ(CountHolesAt(*model, first + 60, 500), 1) << phase;
    EXPECT_EQ(CountHolesAt(*model, first + 80, 500), 0) << phase;
  }
}

TEST(Catalogue, JoiningRulesAndTheirMessages) {
  auto model = NewModel();
  const int disk = AddPart(*model, DiskPassive1, 200, 200);
  const int rod = AddPart(*model, RodPassive1, 240, 200);
  EXPECT_FALSE(DropPinOrPen(*model, Hatome, 240, 200));
  EXPECT_EQ(model->NextPinId, 102);
  EXPECT_EQ(model->PartTable[disk].PinId[1], 101);
  EXPECT_EQ(model->PartTable[rod].PinId[0], 101);
  EXPECT_EQ(model->PartTable[rod].PinState[0], PinStatus::Movable);

  EXPECT_EQ(DropPinOrPen(*model, Hatome, 240, 200), model_texts::PinAlreadyThere);
  EXPECT_EQ(DropPinOrPen(*model, KoteiPin, 200, 200), model_texts::PinAlreadyThere);
  // A fixed pin never goes into a disk; on a lone rod hole it anchors the rod.
  EXPECT_FALSE(DropPinOrPen(*model, KoteiPin, 200, 170));
  EXPECT_EQ(model->PartTable[disk].PinCount, 2);
  EXPECT_FALSE(DropPinOrPen(*model, KoteiPin, 400, 200));
  EXPECT_EQ(model->PartTable[rod].PinCount, 2);
  EXPECT_EQ(model->PartTable[rod].PinState[1], PinStatus::Fixed);
  EXPECT_EQ(DropPinOrPen(*model, Hatome, 380, 200), model_texts::MovablePinNeedsTwo);
  EXPECT_FALSE(DropPinOrPen(*model, Hatome, 700, 700));

  AddPart(*model, RodPassive2, 260, 200);
  EXPECT_EQ(DropPinOrPen(*model, Hatome, 260, 200), model_texts::ThreeOrMoreParts);
  const int lgata = AddPart(*model, Lgata1, 600, 600);
  EXPECT_EQ(DropPinOrPen(*model, Hatome, 600, 600), model_texts::MovablePinNeedsTwo);
  EXPECT_EQ(model->PartTable[lgata].PinCount, 0);

  EXPECT_FALSE(DropPinOrPen(*model, PenRed, 300, 200));
  EXPECT_TRUE(model->PenPlaced[1]);
  EXPECT_EQ(PenColourAt(*model, 300, 200), PenRed);
  EXPECT_EQ(DropPinOrPen(*model, PenBlue, 300, 200), model_texts::PenAlreadyThere);
  EXPECT_EQ(PinStateAt(*model, 400.4, 199.6), PinStatus::Fixed);
  EXPECT_EQ(PinIdAt(*model, rod, 240, 200), 101);
  EXPECT_EQ(PinIdAt(*model, rod, 250, 200), -1);
}

TEST(Catalogue, FullSlotsRefuseAPlacementAndWriteNothing) {
  auto model = NewModel();
  const int triangle = AddPart(*model, Triangle3, 300, 700);
  const HoleList holes = HolesOf(model->PartTable[triangle]);
  ASSERT_EQ(holes.Count, 30);
  for (int h = 0; h < kPinSlots; ++h) {
    ASSERT_FALSE(DropPinOrPen(*model, KoteiPin, 300 + holes.Holes[h].X, 700 + holes.Holes[h].Y));
  }
  const int nextPin = model->NextPinId;
  const PartRecord before = model->PartTable[triangle];
  EXPECT_EQ(DropPinOrPen(*model, KoteiPin, 300 + holes.Holes[21].X, 700 + holes.Holes[21].Y),
            model_texts::PinAlreadyThere);
  EXPECT_EQ(model->NextPinId, nextPin);
  EXPECT_EQ(model->PartTable[triangle], before);

  model->PartTable[triangle].PenCount = kPenSlots;
  EXPECT_EQ(DropPinOrPen(*model, PenGreen, 300 + holes.Holes[22].X, 700 + holes.Holes[22].Y),
            model_texts::PinAlreadyThere);
  EXPECT_FALSE(model->PenPlaced[3]);
}

TEST(Catalogue, RemovingPartsKeepsAxleNumbersDistinctAndJointsJoined) {
  auto model = NewModel();
  AddPart(*model, RodPassive1, 0, 100);
  AddPart(*model, DiskPassive1, 300, 300);
  const int power = AddPart(*model, DiskActive1, 600, 300);
  const int rod = AddPart(*model, RodPassive1, 620, 300);
  ASSERT_FALSE(DropPinOrPen(*model, Hatome, 620, 300));
  ASSERT_EQ(model->PowerPartIndex, power);

  RemovePart(*model, 0);
  EXPECT_EQ(model->PartCount, 3);
  EXPECT_EQ(model->PowerPartIndex, 1);
  AddPart(*model, DiskPassive2, 900, 300);
  for (int i = 0; i < model->PartCount; ++i) {
    if (HasAxle(model->PartTable[i].Kind)) {
      EXPECT_EQ(model->PartTable[i].PinId[0], i);
    }
  }
  EXPECT_EQ(model->PartTable[rod - 1].PinId[0], model->PartTable[power - 1].PinId[1]);

  RemovePart(*model, 1);
  EXPECT_FALSE(model->HasPowerPart);
  EXPECT_EQ(model->PowerPartIndex, -1);
}

}  // namespace
}  // namespace morvane
