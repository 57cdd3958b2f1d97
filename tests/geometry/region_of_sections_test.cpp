// Tests of section rectangles: bounding boxes, shared sections, the stable parallel sort and
// corner points.
#include "geometry/region_of_sections.h"

#include <gtest/gtest.h>

#include <string>

namespace {

regionOfSections rect(int xMin, int yMin, int xMax, int yMax) {
  return regionOfSections{yMin, xMin, yMax, xMax, 0};
}

void expectRegion(const regionOfSections& r, int yMin, int xMin, int yMax, int xMax, int sum,
                  const char* name) {
  EXPECT_EQ(r.yMin, yMin) << name;
  EXPECT_EQ(r.xMin, xMin) << name;
  EXPECT_EQ(r.yMax, yMax) << name;
  EXPECT_EQ(r.xMax, xMax) << name;
  EXPECT_EQ(r.sum, sum) << name;
}

TEST(BoundingRegion, BoxAroundListedSectionsWithGridSum) {
  RectGrid grid;
  grid.setSection(3, 2, 40);
  grid.setSection(4, 4, 35);
  grid.setSection(4, 3, 5);
  grid.setSection(5, 3, 99);  // outside the box
  expectRegion(*boundingRegion({3, 2}, grid), 2, 3, 2, 3, 40, "single pair");
  expectRegion(*boundingRegion({4, 4, 3, 2}, grid), 2, 3, 4, 4, 80, "two sections");
  expectRegion(*boundingRegion({}, grid), 7, 11, 0, 0, 0, "empty list: inverted");
}

TEST(SectionsInCommon, TableOfRectangles) {
  const struct {
    const char* name;
    regionOfSections a, b;
    int expected;
  } cases[] = {
      {"2 x 2 with itself", rect(1, 1, 2, 2), rect(1, 1, 2, 2), 4},
      {"touching along an edge", rect(1, 1, 2, 2), rect(3, 1, 4, 2), 0},
      {"partial overlap", rect(0, 0, 3, 2), rect(2, 1, 5, 6), 4},
      {"one inside the other", rect(0, 0, 10, 6), rect(4, 3, 4, 3), 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(sectionsInCommon(&c.a, &c.b), c.expected) << c.name;
    EXPECT_EQ(sectionsInCommon(&c.b, &c.a), c.expected) << c.name << " (swapped)";
  }
}

TEST(SectionsInCommon, MissingOrInconsistentGiveZeroWithMessage) {
  RectGrid grid;
  auto inverted = boundingRegion({}, grid);
  regionOfSections fine = rect(0, 0, 1, 1);
  testing::internal::CaptureStderr();
  EXPECT_EQ(sectionsInCommon(inverted.get(), &fine), 0);
  EXPECT_EQ(sectionsInCommon(&fine, inverted.get()), 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Warning, regionOfSections inconsistent.\nWarning, regionOfSections inconsistent.\n");
  testing::internal::CaptureStderr();
  EXPECT_EQ(sectionsInCommon(nullptr, &fine), 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "THIS SHOULD NEVER EVER HAPPEN!\n");
}

// Regions with the given xMax values (other fields from the index) and numbers 1..n.
class SortRegionsTest : public testing::Test {
 protected:
  void build(const std::vector<int>& xMax) {
    for (std::size_t i = 0; i < xMax.size(); ++i) {
      regions.push_back(std::make_unique<regionOfSections>(
          regionOfSections{static_cast<int>(i), 0, 6 - static_cast<int>(i), xMax[i], 0}));
      numbers.push_back(static_cast<int>(i) + 1);
    }
  }
  std::vector<int> xMaxValues() const {
    std::vector<int> values;
    for (const auto& r : regions) values.push_back(r->xMax);
    return values;
  }
  std::vector<std::unique_ptr<regionOfSections>> regions;
  std::vector<int> numbers;
};

TEST_F(SortRegionsTest, DescendingIsStableAndMovesNumbersAlong) {
  build({3, 7, 7, 1});
  sortRegions(regions, 4, numbers, 1);
  EXPECT_EQ(xMaxValues(), (std::vector<int>{7, 7, 3, 1}));
  EXPECT_EQ(numbers, (std::vector<int>{2, 3, 1, 4})) << "the two 7s keep their order";
  for (std::size_t i = 0; i < regions.size(); ++i) {
    EXPECT_EQ(regions[i]->yMin, numbers[i] - 1) << "region and number stay paired at " << i;
  }
}

TEST_F(SortRegionsTest, OtherOrderSortsAscending) {
  build({3, 7, 1, 3});
  sortRegions(regions, 4, numbers, 0);
  EXPECT_EQ(xMaxValues(), (std::vector<int>{1, 3, 3, 7}));
  EXPECT_EQ(numbers, (std::vector<int>{3, 1, 4, 2}));
}

TEST_F(SortRegionsTest, KeysSelectTheirField) {
  build({5, 5, 5});  // yMin rises 0, 1, 2 and yMax falls 6, 5, 4
  sortRegions(regions, 1, numbers, 1);
  EXPECT_EQ(numbers, (std::vector<int>{3, 2, 1})) << "key 1: yMin descending";
  sortRegions(regions, 3, numbers, 1);
  EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3})) << "key 3: yMax descending";
  sortRegions(regions, 2, numbers, 1);
  EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3})) << "key 2: equal xMin, unchanged";
  sortRegions(regions, 5, numbers, 0);
  sortRegions(regions, 0, numbers, 0);
  EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3})) << "keys 0 and 5 sort nothing";
}

TEST(GetXY, CornersRunCounterClockwise) {
  const regionOfSections r = rect(0, 0, 10, 6);
  const regionOfSections inner = rect(2, 1, 3, 4);
  const struct {
    const char* name;
    regionOfSections region;
    std::int16_t corner;
    Point expected;
  } cases[] = {
      {"whole field, corner 0", r, 0, {-52.5, -34}},
      {"whole field, corner 1", r, 1, {52.5, -34}},
      {"whole field, corner 2", r, 2, {52.5, 34}},
      {"whole field, corner 3", r, 3, {-52.5, 34}},
      {"inner, corner 0", inner, 0, {sectionEdgeX(2), sectionEdgeY(1)}},
      {"inner, corner 1", inner, 1, {sectionEdgeX(4), sectionEdgeY(1)}},
      {"inner, corner 2", inner, 2, {sectionEdgeX(4), sectionEdgeY(5)}},
      {"inner, corner 3", inner, 3, {sectionEdgeX(2), sectionEdgeY(5)}},
  };
  for (const auto& c : cases) {
    Point p = getXY(c.region, c.corner);
    EXPECT_NEAR(p.x, c.expected.x, 1e-12) << c.name;
    EXPECT_NEAR(p.y, c.expected.y, 1e-12) << c.name;
  }
}

TEST(GetXY, WrongCornerGivesOriginWithMessage) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(getXY(rect(1, 1, 2, 2), 4), (Point{0, 0}));
  EXPECT_EQ(getXY(rect(1, 1, 2, 2), -1), (Point{0, 0}));
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Error: Using getXY with wrong argument\nError: Using getXY with wrong argument\n");
}

}  // namespace
