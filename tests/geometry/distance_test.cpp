// Tests of distance, direction (with its shortened pi) and the polar offset.
#include "geometry/distance.h"

#include <gtest/gtest.h>

namespace {

TEST(Distance, Pythagoras) {
  EXPECT_DOUBLE_EQ(distance(1, 2, 4, 6), 5);
  EXPECT_DOUBLE_EQ(distance(4, 6, 1, 2), 5);
  EXPECT_EQ(distance(3, 3, 3, 3), 0);
}

TEST(Direction, TableOfDirections) {
  const struct {
    const char* name;
    double x1, y1, x2, y2, expected;
  } cases[] = {
      {"up, not exactly 90", 0, 0, 0, 1, 89.9999999882},
      {"left, not exactly 180", 0, 0, -1, 0, 179.9999999765},
      {"down", 0, 0, 0, -1, -89.9999999882},
      {"right", 0, 0, 1, 0, 0},
      {"equal points", 2, 3, 2, 3, 0},
      {"diagonal, from an offset start", 1, 1, 3, 3, 44.9999999941},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(direction(c.x1, c.y1, c.x2, c.y2), c.expected, 1e-10) << c.name;
  }
  // The shortened pi is observable: the result is below the exact angle.
  EXPECT_LT(direction(0, 0, 0, 1), 90 - 1e-8);
}

TEST(PointAtPolar, YTermIsSubtracted) {
  Point p = pointAtPolar(1, 2, 90, 10);
  EXPECT_NEAR(p.x, 1, 1e-8);
  EXPECT_NEAR(p.y, -8, 1e-8) << "angle 90 moves towards -y";
  Point q = pointAtPolar(1, 2, 0, 10);
  EXPECT_NEAR(q.x, 11, 1e-12);
  EXPECT_NEAR(q.y, 2, 1e-12);
}

}  // namespace
