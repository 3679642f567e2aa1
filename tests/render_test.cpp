// The renderer's geometry and colours at pixels whose expected colour follows
// from the part's own numbers, and the part-index picture.

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <utility>
#include <vector>

#include "model/catalogue.h"
#include "model/part_kind.h"
#include "tests/render_support.h"
#include "view/render_scene.h"
#include "view/thumbnail.h"

namespace morvane::testing {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF, kGrey = 0x808080, kBlack = 0x000000, kBody = 0x8080FF;

void ExpectProbes(const QImage& picture, std::initializer_list<std::tuple<int, int, uint32_t>> probes) {
  for (const auto& [x, y, colour] : probes) {
    EXPECT_EQ(Rgb(picture, x, y), colour) << "at (" << x << ", " << y << ")";
  }
}

// The index picture is painted later, from the parts as they were rendered;
// Selected parts and loose pins leave nothing in it.
TEST(CanvasPictures, RedrawAndTheIndexOfThePartsAtRest) {
  view::CanvasPictures pictures;
  auto model = std::make_unique<ModelState>();
  AddPart(*model, DiskPassive1, 300, 300);
  const QImage diskAlone = Render(*model).Index;
  model->PartTable[AddPart(*model, RodPassive1, 300, 300)].Selected = true;
  model->PartTable[AddPart(*model, DiskPassive1, 700, 300)].Selected = true;
  CreatePart(*model, Hatome, 500, 600);
  int pumped = 0;
  QImage display;
  view::Redraw(pictures, *model, {}, display, [&] { ++pumped; });
  EXPECT_EQ(display, pictures.imgTemp);
  model->PartTable[0].X = 900;
  EXPECT_EQ(view::PartIndexAt(pictures, 350, 300), 0);
  EXPECT_EQ(pictures.PartIndexBitmap(), diskAlone);
  view::PrepareCanvas(pictures, [&] { ++pumped; });
  EXPECT_EQ(pumped, 2);
  EXPECT_EQ(pictures.imgTemp, pictures.imgClearDot);
  EXPECT_EQ(pictures.PartIndexBitmap(), view::CanvasPictures().PartIndexBitmap());
  EXPECT_NE(display, pictures.imgTemp) << "present copies, it does not share the back buffer";
}

// Hole rings n = (round(r) - 40) div 20 truncate toward zero: radii 21..59
// keep the first ring (30 up and down, 20 left and right), 20 and less none.
// Power rods start their holes at 40. Box bounds round halves to even: a disk
// of radius 80 at x = 100.5 covers columns 20..179.
TEST(PartRendering, HoleCountsAndRounding) {
  auto model = std::make_unique<ModelState>();
  const std::pair<double, int> disks[] = {{20, 0}, {21, 1}, {59, 1}, {59.5, 2}};
  for (int i = 0; i < 4; ++i) {
    AddPart(*model, DiskPassive1, 150 + 250 * i, 200, 0, disks[i].first);
  }
  model->PartTable[AddPart(*model, DiskPassive1, 100, 500)].X = 100.5;
  AddPart(*model, RodActive1, 700, 600, 0, 79);
  AddPart(*model, RodActive1, 700, 700, 0, 80);
  AddPart(*model, RodPassive1, 700, 800, 0, 79);
  const QImage scene = Render(*model).Scene;
  // The holes of ring k round the disk at (x, 200), grey one pixel off their centres, clear of the grid dots.
  const auto ring = [&](int x, int k) {
    const auto hole = [&](int dx, int dy) { return Rgb(scene, x + dx + 1, 200 + dy + 1) == kGrey; };
    return hole(0, -30 - 20 * k) + hole(0, 30 + 20 * k) + hole(-20 - 20 * k, 0) + hole(20 + 20 * k, 0);
  };
  for (int i = 0; i < 4; ++i) {
    for (int k = 0; k < 2; ++k) {
      EXPECT_EQ(ring(150 + 250 * i, k), k < disks[i].second ? 4 : 0) << "radius " << disks[i].first << ", ring " << k;
    }
  }
  ExpectProbes(scene, {{19, 501, kWhite}, {20, 501, kBlack}, {179, 501, kBlack}, {180, 501, kWhite}, {741, 601, kBody},
                       {741, 701, kGrey}, {703, 802, kGrey}, {721, 801, kGrey}, {741, 801, kBody}});
}

// The stroke is a triangle wave of the phase: 190 stands where 170 does.
TEST(PartRendering, PistonPhaseFolds) {
  const auto rendering = [](double phase) {
    auto model = std::make_unique<ModelState>();
    AddPart(*model, PistonPassive, 100, 200, 0, phase);
    return Render(*model);
  };
  for (const auto& [phase, folded] : {std::pair(190.0, 170.0), std::pair(-10.0, 10.0)}) {
    EXPECT_EQ(rendering(phase).Scene, rendering(folded).Scene) << phase;
    EXPECT_EQ(rendering(phase).Index, rendering(folded).Index) << phase;
  }
  ExpectProbes(rendering(190).Scene, {{269, 185, kWhite}, {270, 185, kBlack}, {271, 185, 0xCCCCCC}});
}

// Codes outside the families, pins at rest, hidden parts and single-point
// trails draw nothing; codes below 15 are drawn as power disks, and a trail
// point far beyond the int range runs off the canvas in its own direction.
TEST(PartRendering, WhatDrawsNothing) {
  auto model = std::make_unique<ModelState>();
  const int32_t kinds[] = {17, 18, 19, 20, 30, 40, 50, 60, 63, 80, 90, 93, 99, 100};
  for (int i = 0; i < 28; ++i) {
    PartRecord& part = model->PartTable[AddPart(*model, DiskPassive1, 300, 300, 0, 100)];
    part.Kind = kinds[i / 2];
    part.Selected = i % 2 == 1;
  }
  AddPart(*model, Hatome, 500, 500);
  model->PartTable[AddPart(*model, DiskPassive3, 500, 500)].Visible = false;
  PenLoci loci;
  for (PenTrail& trail : loci.Trails) {
    trail.X = trail.Y = {333};
  }
  const Rendering rendering = Render(*model, loci);
  EXPECT_EQ(rendering.Scene, view::CanvasPictures().imgClearDot);
  EXPECT_EQ(rendering.Index, view::CanvasPictures().PartIndexBitmap());
  model->PartTable[0].Kind = 14;
  loci.Trails[0].X = {101, 1e300};
  loci.Trails[0].Y = {105, 105};
  ExpectProbes(Render(*model, loci).Scene, {{390, 310, 0xFF8F80}, {1279, 105, kBlack}, {100, 105, kWhite}});
}

// A thumbnail frames what is drawn with a margin of 20 canvas pixels, widened
// to its shape; beyond the canvas it is white. A small disk at (40, 480)
// covers y 400 to 560 and reaches past the left edge: framed in 201 rows,
// scaled by 120 / 201.
TEST(Thumbnail, FramesThePartsAndTheLociOnWhite) {
  auto model = std::make_unique<ModelState>();
  AddPart(*model, DiskPassive1, 40, 480);
  const QImage small = view::Thumbnail(*model, {}, QSize(160, 120)).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(small.size(), QSize(160, 120));
  int top = 120, bottom = -1;
  for (int y = 0; y < 120; ++y) {
    EXPECT_EQ(Rgb(small, 0, y), kWhite) << "beyond the canvas, row " << y;
    for (int x = 0; x < 160; ++x) {
      if (Rgb(small, x, y) != kWhite) {
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
    }
  }
  EXPECT_NEAR(top, 12, 1);
  EXPECT_NEAR(bottom, 108, 1);
  EXPECT_EQ(Rgb(small, 80, 20), kBody);

  PenLoci loci;
  loci.Trails[1].X = {1200, 1210, 1220};
  loci.Trails[1].Y = {300, 310, 300};
  const QImage withLocus = view::Thumbnail(*model, loci, QSize(160, 120));
  bool red = false;
  for (int y = 0; y < 120; ++y) {
    for (int x = 80; x < 160; ++x) {
      const QRgb pixel = withLocus.pixel(x, y);
      red = red || qRed(pixel) > qGreen(pixel) + 30;
    }
  }
  EXPECT_TRUE(red) << "the red locus far to the right is in the picture";
}

// Rows of touching parts of every family, each probed at its extreme pixels
// and inside (relative to its origin): the index colour must cover outlines
// and the families meet without gaps or overlaps.
TEST(PartIndexAt, EveryPartOfACrowdedModel) {
  const std::vector<QPoint> disk = {{-80, 0}, {79, 0}, {0, 0}, {0, -80}}, rod = {{-20, -10}, {180, 10}, {100, 0}},
                            piston = {{-10, -40}, {240, 40}, {100, -20}, {320, 0}};
  // Kind, count, first x, pitch, y, size, probes.
  const std::tuple<int32_t, int, int, int, int, int, std::vector<QPoint>> rows[] = {
      {DiskActive1, 3, 80, 160, 80, 80, disk},     {DiskPassive1, 4, 560, 160, 80, 80, disk},
      {RodPassive1, 6, 20, 201, 180, 200, rod},   {RodPassive1, 6, 20, 201, 201, 200, rod},
      {RodPassive1, 6, 20, 201, 222, 200, rod},   {RodActive1, 4, 25, 126, 800, 120, {{-25, 0}, {0, -25}, {100, 0}}},
      {PistonActive, 3, 10, 331, 620, 0, piston}, {PistonPassive, 3, 10, 331, 701, 0, piston},
      {Triangle1, 7, 10, 161, 400, 160, {{-10, 10}, {150, 10}, {-10, -150}, {20, -20}}},
      {Lgata1, 7, 10, 151, 560, 160, {{-10, 10}, {140, 10}, {10, -140}, {0, -60}}}};
  auto model = std::make_unique<ModelState>();
  std::vector<std::pair<int, QPoint>> probes;
  for (const auto& [kind, count, x0, pitch, y, size, offsets] : rows) {
    for (int i = 0; i < count; ++i) {
      PartRecord& part = model->PartTable[AddPart(*model, kind, 0, 0, 0, size)];
      part.X = x0 + pitch * i;
      part.Y = y;
      for (const QPoint& p : offsets) {
        probes.emplace_back(model->PartCount - 1, p + QPoint(x0 + pitch * i, y));
      }
    }
  }
  ASSERT_EQ(model->PartCount, kMaxParts);
  view::CanvasPictures pictures;
  view::PrepareCanvas(pictures);
  view::RenderAll(pictures, *model, {});
  for (const auto& [index, p] : probes) {
    EXPECT_EQ(view::PartIndexAt(pictures, p.x(), p.y()), index) << "at (" << p.x() << ", " << p.y() << ")";
  }
  for (const auto& [x, y] : {std::pair(1270, 950), std::pair(-1, 80), std::pair(80, 960), std::pair(1280, 0)}) {
    EXPECT_EQ(view::PartIndexAt(pictures, x, y), -1) << x << ", " << y;
  }
}

}  // namespace
}  // namespace morvane::testing
