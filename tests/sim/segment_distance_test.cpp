// Tests of the point-to-segment distance: beside the segment, beyond either end,
// on it, and a segment whose ends coincide.
#include "sim/segment_distance.h"

#include <gtest/gtest.h>

namespace {

TEST(DistanceToSegment, NearestPointOfTheSegment) {
  const struct {
    const char* name;
    double px, py, ax, ay, bx, by;
    double expected;
  } cases[] = {
      {"beside the middle", 5, 3, 0, 0, 10, 0, 3},
      {"beyond the far end", 13, 4, 0, 0, 10, 0, 5},
      {"before the near end", -3, -4, 0, 0, 10, 0, 5},
      {"on the segment", 4, 0, 0, 0, 10, 0, 0},
      {"slanted segment", 0, 2, 0, 0, 2, 2, 1.41421356},
      {"ends coincide", 4, 5, 1, 1, 1, 1, 5},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(distanceToSegment(c.px, c.py, c.ax, c.ay, c.bx, c.by), c.expected, 1e-6) << c.name;
  }
}

}  // namespace
