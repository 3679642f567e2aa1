// The renderer's geometry and colours, checked at pixels whose expected colour
// follows from the part's own numbers, and the part-index picture.

#include <gtest/gtest.h>

#include <QImage>
#include <memory>
#include <vector>

#include "model/catalogue.h"
#include "model/part_kind.h"
#include "tests/render_support.h"
#include "view/canvas_pictures.h"
#include "view/render_scene.h"

namespace morvane::testing {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kGrey = 0x808080;
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kBody = 0x8080FF;
constexpr uint32_t kPower = 0xFF8F80;
constexpr uint32_t kCylinder = 0x888888;
constexpr uint32_t kPlainHead = 0xCCCCCC;
constexpr uint32_t kRing = 0xC0C0C0;

struct Probe {
  int X;
  int Y;
  uint32_t Colour;
};

void ExpectProbes(const QImage& picture, const std::vector<Probe>& probes) {
  for (const Probe& p : probes) {
    EXPECT_EQ(Rgb(picture, p.X, p.Y), p.Colour) << "at (" << p.X << ", " << p.Y << ")";
  }
}

std::unique_ptr<ModelState> EmptyModel() { return std::make_unique<ModelState>(); }

QImage EmptyCanvas() { return view::CanvasPictures().imgClearDot; }

bool AllWhite(const QImage& picture) {
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (Rgb(picture, x, y) != kWhite) {
        return false;
      }
    }
  }
  return true;
}

TEST(CanvasPictures, DottedBackgroundAndRedrawSequence) {
  view::CanvasPictures pictures;
  int dots = 0;
  for (int y = 0; y < view::kCanvasHeight; ++y) {
    for (int x = 0; x < view::kCanvasWidth; ++x) {
      const uint32_t expected = x % 10 == 0 && y % 10 == 0 ? kGrey : kWhite;
      dots += Rgb(pictures.imgClearDot, x, y) == kGrey;
      ASSERT_EQ(Rgb(pictures.imgClearDot, x, y), expected) << x << ", " << y;
    }
  }
  EXPECT_EQ(dots, 128 * 96);

  auto model = EmptyModel();
  AddPart(*model, DiskPassive1, 300, 300);
  int pumped = 0;
  QImage display;
  view::Redraw(pictures, *model, {}, display, [&] { ++pumped; });
  EXPECT_EQ(display, pictures.imgTemp);
  // The index picture shows the parts as they were rendered, not as they are now.
  model->PartTable[0].X = 900;
  EXPECT_EQ(view::PartIndexAt(pictures, 300, 300), 0);
  EXPECT_EQ(view::PartIndexAt(pictures, 900, 300), -1);
  view::PrepareCanvas(pictures, [&] { ++pumped; });
  EXPECT_EQ(pumped, 2);
  EXPECT_EQ(pictures.imgTemp, pictures.imgClearDot);
  EXPECT_TRUE(AllWhite(pictures.PartIndexBitmap()));
  EXPECT_EQ(Rgb(display, 345, 335), kBody) << "present copies, it does not share the back buffer";
}

// n = (round(r) - 40) div 20 truncates toward zero: radii 21..59 still get the
// first ring of holes (30 up and down, 20 left and right), 20 and less none.
TEST(DiskRendering, HoleCountTruncatesTowardZero) {
  auto model = EmptyModel();
  const double radii[] = {20, 21, 59, 59.5};
  for (int i = 0; i < 4; ++i) {
    model->PartTable[AddPart(*model, DiskPassive1, 150 + 250 * i, 200)].Size = radii[i];
  }
  const QImage scene = Render(*model).Scene;
  // A hole's inside is grey; one pixel off its centre avoids the grid dots.
  const auto hole = [&](int x, int y) { return Rgb(scene, x + 1, y + 1) == kGrey; };
  EXPECT_FALSE(hole(150, 170) || hole(150, 230) || hole(130, 200) || hole(170, 200));
  EXPECT_TRUE(hole(400, 170) && hole(400, 230) && hole(380, 200) && hole(420, 200));
  EXPECT_FALSE(hole(400, 150));
  EXPECT_TRUE(hole(650, 170) && hole(670, 200));
  EXPECT_FALSE(hole(650, 150) || hole(610, 200));
  EXPECT_TRUE(hole(900, 150) && hole(860, 200)) << "59.5 rounds to 60: n = 1";
}

// Box bounds are rounded halves to even: 100.5 - 80 gives 20, 100.5 + 80 gives
// 180 (exclusive), so the circle covers columns 20..179; halves away from zero
// would give 21..180.
TEST(DiskRendering, BoundsRoundHalvesToEven) {
  auto model = EmptyModel();
  const int disk = AddPart(*model, DiskPassive1, 100, 300);
  model->PartTable[disk].X = 100.5;
  model->PartTable[disk].Y = 305;
  model->PartTable[disk].PinCount = 0;
  const QImage scene = Render(*model).Scene;
  ExpectProbes(scene, {{19, 305, kWhite}, {20, 305, kBlack}, {179, 305, kBlack}, {180, 305, kWhite}});
}

TEST(RodRendering, PowerRodsShorterThan80HaveNoHoles) {
  auto model = EmptyModel();
  model->PartTable[AddPart(*model, RodActive1, 100, 100)].Size = 79;
  model->PartTable[AddPart(*model, RodActive1, 100, 200)].Size = 80;
  model->PartTable[AddPart(*model, RodPassive1, 100, 300)].Size = 79;
  const QImage scene = Render(*model).Scene;
  ExpectProbes(scene, {{141, 101, kBody}, {141, 201, kGrey}, {103, 302, kGrey}, {121, 301, kGrey}, {141, 301, kBody}});
}

TEST(PistonRendering, PhaseIsATriangleWave) {
  const auto rendering = [](double phase) {
    auto model = EmptyModel();
    model->PartTable[AddPart(*model, PistonPassive, 100, 200)].Size = phase;
    return Render(*model);
  };
  EXPECT_EQ(rendering(190).Scene, rendering(170).Scene);
  EXPECT_EQ(rendering(-10).Scene, rendering(10).Scene);
  EXPECT_EQ(rendering(-10).Index, rendering(10).Index);
  EXPECT_NE(rendering(190).Scene, rendering(180).Scene);
  // At 190 the head's back stands at x + 170.
  ExpectProbes(rendering(190).Scene, {{100 + 169, 185, kWhite}, {100 + 170, 185, kBlack}, {100 + 171, 185, kPlainHead}});
}

TEST(TrailRendering, ColoursAndSinglePoints) {
  auto model = EmptyModel();
  PenLoci loci;
  const uint32_t colours[] = {0x000000, 0xFF0000, 0x0000FF, 0x008000};
  for (int c = 0; c < kPenColours; ++c) {
    loci.Trails[c].X = {101, 201.4};
    loci.Trails[c].Y = {103.0 + 10 * c, 103.0 + 10 * c};
  }
  const QImage scene = Render(*model, loci).Scene;
  for (int c = 0; c < kPenColours; ++c) {
    ExpectProbes(scene, {{101, 103 + 10 * c, colours[c]}, {201, 103 + 10 * c, colours[c]}, {202, 103 + 10 * c, kWhite}});
  }
  PenLoci single;
  for (PenTrail& trail : single.Trails) {
    trail.X = {333};
    trail.Y = {333};
  }
  EXPECT_EQ(Render(*model, single).Scene, EmptyCanvas());

  // A point far beyond the int range is drawn off the canvas in its own
  // direction, not wrapped round to the other side.
  PenLoci far;
  far.Trails[0].X = {101, 1e300};
  far.Trails[0].Y = {105, 105};
  ExpectProbes(Render(*model, far).Scene, {{1279, 105, kBlack}, {100, 105, kWhite}, {51, 105, kWhite}});
}

TEST(KindRanges, CodesOutsideTheFamiliesDrawNothing) {
  auto model = EmptyModel();
  for (int32_t kind : {17, 18, 19, 20, 30, 40, 50, 60, 63, 80, 90, 93, 99, 100}) {
    for (bool selected : {false, true}) {
      PartRecord& part = model->PartTable[model->PartCount++];
      part = PartRecord{};
      part.Kind = kind;
      part.X = part.Y = 300;
      part.Size = 100;
      part.Visible = true;
      part.Selected = selected;
      part.PinCount = 1;
      part.PenCount = 1;
      part.PenColor[0] = PenRed;
    }
  }
  // Pins drawn only while dragged, parts only while visible.
  AddPart(*model, Hatome, 500, 500);
  model->PartTable[AddPart(*model, DiskPassive3, 500, 500)].Visible = false;
  const Rendering rendering = Render(*model);
  EXPECT_EQ(rendering.Scene, EmptyCanvas());
  EXPECT_TRUE(AllWhite(rendering.Index));

  // Every code below 15 is swept with the power disks.
  model->PartTable[0].Kind = 14;
  EXPECT_EQ(Rgb(Render(*model).Scene, 300 + 90, 300 + 10), kPower);
}

TEST(PartRendering, ColoursAtComputedPixels) {
  auto model = EmptyModel();
  AddPart(*model, DiskActive1, 200, 200);
  AddPart(*model, RodPassive1, 400, 200);
  ASSERT_TRUE(PlacePin(*model, 1, 400, 200));
  ASSERT_TRUE(PlacePin(*model, 0, 440, 200));
  ASSERT_TRUE(PlacePen(*model, PenBlue, 480, 200));
  AddPart(*model, PistonActive, 100, 500);
  AddPart(*model, PistonPassive, 100, 700);
  model->PartTable[3].Size = 0;
  AddPart(*model, RodPassive1, 800, 300, 90);
  AddPart(*model, Triangle1, 700, 900);
  AddPart(*model, Lgata1, 1000, 900);
  const QImage scene = Render(*model).Scene;
  ExpectProbes(scene, {
      // Power disk: body, outline, a hole's rim and inside, the axle.
      {260, 210, kPower}, {119, 200, kWhite}, {120, 200, kBlack}, {215, 200, kBlack}, {225, 200, kBlack},
      {226, 200, kPower}, {221, 201, kGrey}, {192, 192, kBlack}, {208, 208, kBlack}, {209, 200, kPower},
      // Fixed pin at the rod's first hole, with the rod body beside it.
      {392, 200, kBlack}, {408, 200, kBlack}, {409, 200, kBody},
      // Movable pin: black rim, grey ring with its black outline, black centre.
      {432, 200, kBlack}, {434, 200, kBlack}, {435, 200, kRing}, {437, 200, kRing}, {438, 200, kBlack},
      {442, 200, kBlack}, {443, 200, kRing}, {446, 200, kBlack}, {448, 200, kBlack}, {449, 200, kBody},
      // Blue pen: hexagon edges two pixels wide, the dot, the hole beneath.
      {490, 200, 0x0000FF}, {489, 200, 0x0000FF}, {471, 200, 0x0000FF}, {482, 200, 0x0000FF},
      {483, 200, kGrey}, {480, 194, kBody},
      // Power piston at phase 90: cylinder, empty bore, head, squares, rod, holes.
      {95, 500, kCylinder}, {150, 465, kCylinder}, {153, 483, kWhite}, {215, 480, kPower}, {210, 500, kBlack},
      {228, 500, kBlack}, {219, 500, kBody}, {350, 505, kBody}, {431, 501, kGrey},
      // Plain piston at phase 0: its head stands at the bottom of the bore.
      {125, 680, kPlainHead}, {101, 680, kPlainHead},
      // A rod turned by 90 degrees runs downwards; its last hole is at 160.
      {801, 461, kGrey}, {808, 410, kBody}, {811, 403, kWhite},
      // Triangle inside and beyond the hypotenuse.
      {720, 880, kBody}, {803, 803, kWhite},
      // L-shape: its holes are one pixel narrower on the right.
      {1050, 893, kBody}, {1053, 883, kWhite}, {1015, 900, kBlack}, {1024, 900, kBlack}, {1025, 900, kBody},
  });
}

TEST(PartRendering, SelectedPartsAreOutlinesAndAbsentFromTheIndex) {
  auto model = EmptyModel();
  AddPart(*model, DiskPassive1, 300, 300);
  model->PartTable[AddPart(*model, RodPassive1, 300, 300)].Selected = true;
  model->PartTable[AddPart(*model, DiskPassive1, 700, 300)].Selected = true;
  CreatePart(*model, Hatome, 300, 600);
  CreatePart(*model, KoteiPin, 400, 600);
  CreatePart(*model, PenBlue, 500, 600);
  view::CanvasPictures pictures;
  view::PrepareCanvas(pictures);
  view::RenderAll(pictures, *model, {});
  EXPECT_EQ(view::PartIndexAt(pictures, 350, 300), 0);
  EXPECT_EQ(view::PartIndexAt(pictures, 400, 300), -1);
  EXPECT_EQ(view::PartIndexAt(pictures, 700, 330), -1);
  for (int index : {3, 4, 5}) {
    EXPECT_EQ(view::PartIndexAt(pictures, 300 + 100 * (index - 3), 600), -1);
  }
  ExpectProbes(pictures.imgTemp, {
      // The dragged rod lies over the disk at rest, both outlines visible.
      {350, 305, kBody}, {350, 290, kBlack}, {390, 305, kWhite},
      // The dragged disk is hollow, and so are its holes.
      {735, 335, kWhite}, {620, 300, kBlack}, {695, 270, kBlack}, {701, 271, kWhite},
      // Loose pins and pens.
      {292, 600, kBlack}, {299, 600, kBlack}, {296, 600, kWhite}, {392, 603, kBlack}, {408, 603, kBlack},
      {403, 603, kWhite}, {510, 600, 0x0000FF}, {503, 600, 0x0000FF}, {501, 601, kWhite},
  });
}

// Touching parts of every family: each part's extreme pixels and inner points
// must name it, so the index colour covers outlines and the families meet
// without gaps or overlaps.
std::vector<QPoint> ProbesOf(const PartRecord& part) {
  const int x = static_cast<int>(part.X);
  const int y = static_cast<int>(part.Y);
  const int s = static_cast<int>(part.Size);
  if (IsDisk(part.Kind)) {
    return {{x - s, y}, {x + s - 1, y}, {x, y}, {x, y - s}};
  }
  if (IsPowerRod(part.Kind)) {
    return {{x - 25, y}, {x, y - 25}, {x + s - 20, y}};
  }
  if (IsRod(part.Kind)) {
    return {{x - 20, y - 10}, {x + s - 20, y + 10}, {x + s / 2, y}};
  }
  if (IsTriangle(part.Kind)) {
    return {{x - 10, y + 10}, {x + s - 10, y + 10}, {x - 10, y - s + 10}, {x + 20, y - 20}};
  }
  if (IsLgata(part.Kind)) {
    return {{x - 10, y + 10}, {x + s - 20, y + 10}, {x + 10, y - s + 20}, {x, y - 60}};
  }
  return {{x - 10, y - 40}, {x + 240, y + 40}, {x + 100, y - 20}, {x + 320, y}};
}

void AddRow(ModelState& model, int32_t kind, int count, double x0, double pitch, double y, double size) {
  for (int i = 0; i < count; ++i) {
    PartRecord& part = model.PartTable[AddPart(model, kind, 0, 0)];
    part.X = x0 + pitch * i;
    part.Y = y;
    part.Size = size;
  }
}

TEST(PartIndexAt, EveryPartOfACrowdedModel) {
  auto model = EmptyModel();
  AddRow(*model, DiskActive1, 3, 80, 160, 80, 80);
  AddRow(*model, DiskPassive1, 4, 560, 160, 80, 80);
  for (int row = 0; row < 3; ++row) {
    AddRow(*model, RodPassive1, 6, 20, 201, 180 + 21 * row, 200);
  }
  AddRow(*model, Triangle1, 7, 10, 161, 400, 160);
  AddRow(*model, Lgata1, 7, 10, 151, 560, 160);
  AddRow(*model, PistonActive, 3, 10, 331, 620, 0);
  AddRow(*model, PistonPassive, 3, 10, 331, 701, 0);
  AddRow(*model, RodActive1, 4, 25, 126, 800, 120);
  ASSERT_EQ(model->PartCount, kMaxParts);
  view::CanvasPictures pictures;
  view::PrepareCanvas(pictures);
  view::RenderAll(pictures, *model, {});
  for (int i = 0; i < model->PartCount; ++i) {
    for (const QPoint& p : ProbesOf(model->PartTable[i])) {
      EXPECT_EQ(view::PartIndexAt(pictures, p.x(), p.y()), i) << "part " << i << " at (" << p.x() << ", " << p.y() << ")";
    }
  }
  EXPECT_EQ(view::PartIndexAt(pictures, 1270, 950), -1);
  EXPECT_EQ(view::PartIndexAt(pictures, -1, 80), -1);
  EXPECT_EQ(view::PartIndexAt(pictures, 80, 960), -1);
  EXPECT_EQ(view::PartIndexAt(pictures, 1280, 0), -1);
}

}  // namespace
}  // namespace morvane::testing
