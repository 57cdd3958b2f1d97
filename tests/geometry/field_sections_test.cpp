// Tests of the section edges and of which section a field point falls in (low edge excluded, high
// edge included).
#include "geometry/field_sections.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(SectionEdges, OuterEdgesAreTheFieldLines) {
  EXPECT_EQ(sectionEdgeX(0), -52.5);
  EXPECT_EQ(sectionEdgeX(11), 52.5);
  EXPECT_EQ(sectionEdgeY(0), -34);
  EXPECT_EQ(sectionEdgeY(7), 34);
  EXPECT_NEAR(sectionEdgeX(5), -4.77, 0.01);
  EXPECT_NEAR(sectionEdgeX(6), 4.77, 0.01);
  EXPECT_NEAR(sectionEdgeY(3), -4.86, 0.01);
  EXPECT_NEAR(sectionEdgeY(4), 4.86, 0.01);
}

TEST(FindSection, TableOfPoints) {
  const double e5 = sectionEdgeX(6);  // high x edge of index 5, low x edge of index 6
  const double f3 = sectionEdgeY(4);  // high y edge of index 3
  const struct {
    const char* name;
    double x, y;
    bool found;
    int i, j;
  } cases[] = {
      {"centre spot", 0, 0, true, 5, 3},
      {"own goal line is in no section", -52.5, 0, false, -1, -1},
      {"lower touch line is in no section", 0, -34, false, -1, -1},
      {"far goal line belongs to the last column", 52.5, 0, true, 10, 3},
      {"upper touch line belongs to the last row", 0, 34, true, 5, 6},
      {"far corner", 52.5, 34, true, 10, 6},
      {"high x edge belongs to the lower index", e5, 0, true, 5, 3},
      {"just above an x edge", std::nextafter(e5, 100.0), 0, true, 6, 3},
      {"high y edge belongs to the lower index", 0, f3, true, 5, 3},
      {"just above a y edge", 0, std::nextafter(f3, 100.0), true, 5, 4},
      {"just inside the near corner", std::nextafter(-52.5, 0.0), std::nextafter(-34.0, 0.0), true,
       0, 0},
      {"beyond the field", 53, 0, false, -1, -1},
      {"not a number", std::nan(""), 0, false, -1, -1},
  };
  for (const auto& c : cases) {
    int i = 99;
    int j = 99;
    EXPECT_EQ(findSection(c.x, c.y, i, j), c.found) << c.name;
    EXPECT_EQ(i, c.i) << c.name;
    EXPECT_EQ(j, c.j) << c.name;
  }
}

TEST(OnField, LinesBelongToTheField) {
  const struct {
    const char* name;
    double x, y;
    bool on;
  } cases[] = {
      {"centre spot", 0, 0, true},
      {"near corner", -52.5, -34, true},
      {"far corner", 52.5, 34, true},
      {"beyond the far goal line", std::nextafter(52.5, 100.0), 0, false},
      {"beyond the own goal line", std::nextafter(-52.5, -100.0), 0, false},
      {"beyond the upper touch line", 0, std::nextafter(34.0, 100.0), false},
      {"beyond the lower touch line", 0, std::nextafter(-34.0, -100.0), false},
      {"not a number", std::nan(""), 0, true},
  };
  for (const auto& c : cases) EXPECT_EQ(onField(c.x, c.y), c.on) << c.name;
}

TEST(SectionIndex, EveryShownEdgeSeparatesNeighbours) {
  for (int i = 1; i < NUM_SECTIONS_X; ++i) {
    EXPECT_EQ(sectionIndexX(sectionEdgeX(i)), i - 1) << "x edge " << i;
  }
  for (int j = 1; j < NUM_SECTIONS_Y; ++j) {
    EXPECT_EQ(sectionIndexY(sectionEdgeY(j)), j - 1) << "y edge " << j;
  }
}

}  // namespace
