// Tests of the section grid: checked access, x-major layout, corners and the dump layout.
#include "geometry/rect_grid.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char* const kBadSection = "Accessing non-existing section in RectGrid!\n";

TEST(RectGrid, StartsAtZeroAndCountsPerSection) {
  RectGrid grid;
  EXPECT_EQ(grid.getSection(0, 0), 0);
  EXPECT_EQ(grid.getSection(10, 6), 0);
  grid.incSection(3, 2);
  grid.incSection(3, 2);
  grid.setSection(2, 3, 40);
  EXPECT_EQ(grid.getSection(3, 2), 2);
  EXPECT_EQ(grid.getSection(2, 3), 40) << "x and y are not interchangeable";
  EXPECT_EQ(RectGrid::numSectionsX(), 11);
  EXPECT_EQ(RectGrid::numSectionsY(), 7);
}

TEST(RectGrid, NonExistingSectionsAreReportedAndIgnored) {
  RectGrid grid;
  grid.setSection(10, 6, 5);
  const struct {
    const char* name;
    int x, y;
  } cases[] = {
      {"x too large", 11, 0}, {"y negative", 0, -1}, {"y too large", 0, 7}, {"x negative", -1, 3}};
  for (const auto& c : cases) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(grid.getSection(c.x, c.y), -1) << c.name;
    grid.incSection(c.x, c.y);
    grid.setSection(c.x, c.y, 7);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              std::string(kBadSection) + kBadSection + kBadSection)
        << c.name;
  }
  // Nothing spilled into a neighbouring element of the x-major storage.
  for (int x = 0; x < 11; ++x) {
    for (int y = 0; y < 7; ++y) EXPECT_EQ(grid.getSection(x, y), x == 10 && y == 6 ? 5 : 0);
  }
}

TEST(RectGrid, CornersOfASection) {
  auto low = RectGrid::lowerCorner(0, 0);
  auto high = RectGrid::upperCorner(10, 6);
  EXPECT_EQ(*low, (Point{-52.5, -34}));
  EXPECT_EQ(*high, (Point{52.5, 34}));
  auto left = RectGrid::upperCorner(4, 2);
  auto right = RectGrid::lowerCorner(5, 3);
  EXPECT_EQ(*left, *right) << "neighbouring sections share their corner exactly";
}

TEST(RectGrid, DumpPadsSmallValues) {
  RectGrid grid;
  grid.setSection(0, 0, 9);
  grid.setSection(1, 0, 10);
  grid.setSection(2, 0, 100);
  grid.setSection(3, 0, -1);
  testing::internal::CaptureStdout();
  grid.dump();
  std::string out = testing::internal::GetCapturedStdout();
  std::string zeros;
  for (int i = 0; i < 11; ++i) zeros += "0    ";
  std::string expected = "9    10   100   -1    ";
  for (int i = 4; i < 11; ++i) expected += "0    ";
  expected += "\n";
  for (int j = 1; j < 7; ++j) expected += zeros + "\n";
  EXPECT_EQ(out, expected);
}

}  // namespace
