#include <gtest/gtest.h>

#include "model/part_kind.h"
#include "solver/pen_locus.h"

namespace morvane {
namespace {

TEST(PenLocus, FirstPenOfEachColourRecordsAndTrailsKeepOneTurn) {
  Table table{};
  table[0].X = 100;
  table[0].PenCount = 2;
  table[0].PenColor = {PenBlack, PenRed, 0, 0};
  table[0].PenX = {10, 20, 0, 0};
  table[1].X = 500;
  table[1].PenCount = 1;
  table[1].PenColor[0] = PenBlack;
  PenLoci loci;
  for (int step = 0; step < 400; ++step) {
    table[0].Y = step;
    RecordPenPoints(table, 2, 10, loci);
  }
  const PenTrail& black = loci.Trails[0];
  ASSERT_EQ(black.X.size(), 361u);
  EXPECT_EQ(black.X.back(), 110);
  EXPECT_EQ(black.Y.front(), 39);
  EXPECT_EQ(loci.Trails[1].X.back(), 120);
  EXPECT_TRUE(loci.Trails[2].X.empty());

  // A coarser step keeps the longer trail, each new point replacing the oldest.
  RecordPenPoints(table, 2, 80, loci);
  EXPECT_EQ(black.X.size(), 361u);
  loci.Clear();
  EXPECT_TRUE(loci.Empty());
  for (int step = 0; step < 100; ++step) {
    RecordPenPoints(table, 2, 80, loci);
  }
  EXPECT_EQ(black.X.size(), 46u);
}

}  // namespace
}  // namespace morvane
