#include <gtest/gtest.h>

#include <cmath>

#include "model/part_kind.h"
#include "solver/geometry.h"

namespace morvane {
namespace {

// Piston offsets and rounding are seen in the rendering tests.
TEST(Geometry, AnglesAndPoints) {
  EXPECT_EQ(NormalizeAngle360(360), 0);
  EXPECT_EQ(NormalizeAngle360(720), 0);
  EXPECT_NEAR(NormalizeAngle360(-0.0001), 359.9999, 1e-9);
  EXPECT_NEAR(NormalizeAngle360(-725), 355, 1e-9);

  EXPECT_TRUE(SamePoint(10, 10, 10.5, 10));
  EXPECT_TRUE(SamePoint(10, 10, 10, 9.5));
  EXPECT_FALSE(SamePoint(10, 10, 10.5000001, 10));
  EXPECT_FALSE(NearPoint(1, 1, 1 + 1e-12, 1, 0));

  // A positive angle turns clockwise on the screen, whose y axis points down.
  EXPECT_NEAR(RotateXDeg(0, 0, 10, 0, 90), 0, 1e-12);
  EXPECT_NEAR(RotateYDeg(0, 0, 10, 0, 90), 10, 1e-12);
}

TEST(Geometry, IntersectionsSnapNearMissesAndStayFinite) {
  const IntersectionResult two = CircleIntersect(0, 0, 5, 8, 0, 5);
  ASSERT_EQ(two.Count, 2);
  EXPECT_NEAR(two.X1, 4, 1e-12);
  EXPECT_NEAR(two.Y1, 3, 1e-12);
  EXPECT_NEAR(two.Y2, -3, 1e-12);

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

  // On a line point 1 lies ahead along it; a line that just misses touches.
  const IntersectionResult down = LineCircleIntersect(0, 0, 5, 3, -50, 90);
  ASSERT_EQ(down.Count, 2);
  EXPECT_NEAR(down.Y1, 4, 1e-12);
  const IntersectionResult grazing = LineCircleIntersect(0, 0, 5, 0, 5.004, 0);
  ASSERT_EQ(grazing.Count, 1);
  EXPECT_NEAR(grazing.Y1, 5.004, 1e-12);
  EXPECT_EQ(LineCircleIntersect(0, 0, 5, 0, 5.01, 0).Count, 0);

  // Just short of touching, rounding used to give r1 * r1 < a * a and NaN points.
  const double r1 = 54.416780961000562;
  const IntersectionResult nearly = CircleIntersect(0, 0, r1, 1.0096265491121417, 0, 55.426407510112703);
  ASSERT_EQ(nearly.Count, 2);
  EXPECT_TRUE(std::isfinite(nearly.X1) && std::isfinite(nearly.Y1) && std::isfinite(nearly.X2) && std::isfinite(nearly.Y2));
  EXPECT_NEAR(nearly.X1, -r1, 1e-6);
  EXPECT_NEAR(nearly.Y1, 0, 1e-3);
}

}  // namespace
}  // namespace morvane
