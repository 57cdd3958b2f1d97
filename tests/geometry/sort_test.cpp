// Tests of the quicksort of points by x: order, whole points moving, the observable order of ties.
#include "geometry/sort.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(SortByX, SortsWholePointsAscending) {
  std::vector<Point> points = {{3, 30}, {-1, -10}, {7, 70}, {0, 0}, {-5, -50}};
  sortByX(points.data(), 0, 4);
  const std::vector<Point> expected = {{-5, -50}, {-1, -10}, {0, 0}, {3, 30}, {7, 70}};
  EXPECT_EQ(points, expected);
}

TEST(SortByX, SortsOnlyTheGivenRange) {
  std::vector<Point> points = {{9, 0}, {5, 1}, {4, 2}, {3, 3}, {-9, 4}};
  sortByX(points.data(), 1, 3);
  const std::vector<Point> expected = {{9, 0}, {3, 3}, {4, 2}, {5, 1}, {-9, 4}};
  EXPECT_EQ(points, expected);
}

TEST(SortByX, EqualXFollowTheMiddlePivotScheme) {
  // The middle element moves to the front first, so equal x come out in this order.
  std::vector<Point> points = {{1, 0}, {1, 1}, {1, 2}};
  sortByX(points.data(), 0, 2);
  const std::vector<Point> expected = {{1, 1}, {1, 0}, {1, 2}};
  EXPECT_EQ(points, expected);
}

TEST(SortByX, SingleElementAndEmptyRangeUnchanged) {
  std::vector<Point> points = {{2, 0}, {1, 0}};
  sortByX(points.data(), 1, 1);
  sortByX(points.data(), 1, 0);
  const std::vector<Point> expected = {{2, 0}, {1, 0}};
  EXPECT_EQ(points, expected);
}

}  // namespace
