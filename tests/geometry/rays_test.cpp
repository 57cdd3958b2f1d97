// Tests of ray crossings with horizontal and vertical lines and their marker points.
#include "geometry/rays.h"

#include <gtest/gtest.h>

namespace {

struct RayCase {
  const char* name;
  double px, py, vx, vy, c;
  Point expected;
};

TEST(RayCrossingY, TableOfRays) {
  const RayCase cases[] = {
      {"parallel ray gives marker", 0, 0, 1, 0, 5, {0, 15}},
      {"moving away gives marker", 0, 0, 1, -1, 5, {0, 15}},
      {"crossing", 0, 0, 2, 1, 5, {10, 5}},
      {"start on the line", 3, 5, 1, 1, 5, {3, 5}},
      {"negative line", 1, 0, 1, -2, -4, {3, -4}},
  };
  for (const auto& c : cases) {
    Point p = rayCrossingY(c.px, c.py, c.vx, c.vy, c.c);
    EXPECT_DOUBLE_EQ(p.x, c.expected.x) << c.name;
    EXPECT_DOUBLE_EQ(p.y, c.expected.y) << c.name;
  }
}

TEST(RayCrossingX, TableOfRays) {
  const RayCase cases[] = {
      {"parallel ray gives marker", 0, 0, 0, 1, 52.5, {62.5, 0}},
      {"moving away gives marker", 0, 0, -1, 1, 52.5, {62.5, 0}},
      {"crossing", 0, 0, 1, 2, 5, {5, 10}},
      {"towards the left goal", 10, 1, -2, 1, -52.5, {-52.5, 32.25}},
  };
  for (const auto& c : cases) {
    Point p = rayCrossingX(c.px, c.py, c.vx, c.vy, c.c);
    EXPECT_DOUBLE_EQ(p.x, c.expected.x) << c.name;
    EXPECT_DOUBLE_EQ(p.y, c.expected.y) << c.name;
  }
}

}  // namespace
