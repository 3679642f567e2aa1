#include <gtest/gtest.h>

#include <cmath>

#include "model/part_kind.h"
#include "solver/geometry.h"

namespace morvane {
namespace {

TEST(Geometry, AnglesPointsAndPistonOffsets) {
  EXPECT_EQ(NormalizeAngle360(360), 0);
  EXPECT_EQ(NormalizeAngle360(720), 0);
  EXPECT_NEAR(NormalizeAngle360(-0.0001), 359.9999, 1e-9);
  EXPECT_NEAR(NormalizeAngle360(-725), 355, 1e-9);

  EXPECT_TRUE(SamePoint(10, 10, 10.5, 10));
  EXPECT_TRUE(SamePoint(10, 10, 10, 9.5));
  EXPECT_FALSE(SamePoint(10, 10, 10.5000001, 10));
  EXPECT_FALSE(NearPoint(1, 1, 1 + 1e-12, 1, 0));

  EXPECT_EQ(PistonOffset(270), 90);
  EXPECT_EQ(PistonOffset(180), 180);
  EXPECT_EQ(PistonOffset(-90), 90);
  EXPECT_EQ(PistonOffset(360), 0);

  // A positive angle turns clockwise on the screen, whose y axis points down.
  EXPECT_NEAR(RotateXDeg(0, 0, 10, 0, 90), 0, 1e-12);
  EXPECT_NEAR(RotateYDeg(0, 0, 10, 0, 90), 10, 1e-12);

  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
}

TEST(Geometry, CircleIntersectionsNumberTheirPointsAndSnapNearMisses) {
  const IntersectionResult two = CircleIntersect(0, 0, 5, 8, 0, 5);
  ASSERT_EQ(two.Count, 2);
  EXPECT_NEAR(two.X1, 4, 1e-12);
  EXPECT_NEAR(two.Y1, 3, 1e-12);
  EXPECT_NEAR(two.Y2, -3, 1e-12);
  // Point 1 lies on the positive side of the line from centre 1 to centre 2.
  const IntersectionResult turned = CircleIntersect(10, 10, 5, 10, 18, 5);
  ASSERT_EQ(turned.Count, 2);
  const double cross = (10 - 10) * (turned.Y1 - 10) - (18 - 10) * (turned.X1 - 10);
  EXPECT_GT(cross, 0);

  const double d = 100;
  const IntersectionResult snapped = CircleIntersect(0, 0, 30, d, 0, d / 1.0009 - 30);
  ASSERT_EQ(snapped.Count, 1);
  EXPECT_NEAR(snapped.X1, d - (d / 1.0009 - 30), 1e-9);
  EXPECT_EQ(CircleIntersect(0, 0, 30, d, 0, d / 1.002 - 30).Count, 0);

  EXPECT_EQ(CircleIntersect(5, 5, 10, 5, 5, 20).Count, 0);
  EXPECT_EQ(CircleIntersect(5, 5, 10, 5, 5, 10).Count, 0);
  // Snapping can make concentric radii equal, which then counts as touching.
  const IntersectionResult snappedConcentric = CircleIntersect(5, 5, 10, 5, 5, 1.001 * 10);
  ASSERT_EQ(snappedConcentric.Count, 1);
  EXPECT_NEAR(snappedConcentric.X1, 15, 1e-12);
  EXPECT_NEAR(snappedConcentric.Y1, 5, 1e-12);
}

TEST(Geometry, LineCircleIntersectionPutsPointOneAheadAlongTheLine) {
  const IntersectionResult r = LineCircleIntersect(0, 0, 5, -100, 3, 0);
  ASSERT_EQ(r.Count, 2);
  EXPECT_NEAR(r.X1, 4, 1e-12);
  EXPECT_NEAR(r.Y1, 3, 1e-12);
  EXPECT_NEAR(r.X2, -4, 1e-12);
  const IntersectionResult down = LineCircleIntersect(0, 0, 5, 3, -50, 90);
  ASSERT_EQ(down.Count, 2);
  EXPECT_NEAR(down.Y1, 4, 1e-12);
  const IntersectionResult grazing = LineCircleIntersect(0, 0, 5, 0, 5.004, 0);
  ASSERT_EQ(grazing.Count, 1);
  EXPECT_NEAR(grazing.Y1, 5.004, 1e-12);
  EXPECT_EQ(LineCircleIntersect(0, 0, 5, 0, 5.01, 0).Count, 0);
}

TEST(Geometry, PinLookUpsFollowTableAndSlotOrder) {
  Table table{};
  table[0].PinCount = 1;
  table[0].PinId[0] = 101;
  table[1].PinCount = 2;
  table[1].PinId[0] = 7;
  table[1].PinId[1] = 101;
  table[1].PinState[1] = 1;
  table[1].X = 50;
  table[1].PinX[1] = 20;
  EXPECT_EQ(FindPartWithPin(table, 3, 0, 101, 1), 1);
  EXPECT_EQ(FindPartWithPin(table, 3, 0, 101, 2), 1);
  EXPECT_EQ(FindPartWithPin(table, 3, 1, 7, 1), -1);
  EXPECT_EQ(FindPartWithPin(table, 3, -1, 101, 0), 2);
  EXPECT_EQ(SlotOfPin(table, 1, 101), 1);
  const Point fixed = PinPosByState(table, 3, 101, 1);
  EXPECT_EQ(fixed.X, 70);
  EXPECT_EQ(PinPosByState(table, 3, 7, 1).X, kNoPosition);
  SetPinState(table, 3, 101, 2);
  EXPECT_EQ(table[0].PinState[0], 2);
  EXPECT_EQ(table[1].PinState[1], 2);
  EXPECT_EQ(table[1].PinState[0], 0);
}

}  // namespace
}  // namespace morvane
