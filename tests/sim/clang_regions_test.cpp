// Tests of region geometry on parsed regions: point positions and which field spots a region
// holds (quadrangles of any corner order, degenerate lines, arcs, unions).
#include "sim/clang_regions.h"

#include <gtest/gtest.h>

#include <string>

#include "sim/clang_check.h"

namespace {

// Parses `region` inside a position action and keeps the message that owns it.
class RegionFixture : public ::testing::Test {
 protected:
  const ClangRegion& parse(const std::string& region) {
    verdict_ = checkSayMessage("(info (100 (bowner opp {0}) (do our {0} (pos " + region + "))))");
    EXPECT_TRUE(verdict_.valid) << verdict_.error;
    return *verdict_.message->rules[0]->directives[0]->action->region;
  }

 private:
  ClangVerdict verdict_;
};

TEST_F(RegionFixture, PointPositions) {
  double x = 0, y = 0;
  EXPECT_TRUE(clangPointPosition(parse("(pt 10.5 -34)"), x, y));
  EXPECT_EQ(x, 10.5);
  EXPECT_EQ(y, -34);
  EXPECT_TRUE(clangPointPosition(parse("(pt 3 4 (pt 1 2 (pt -10 0.5)))"), x, y));
  EXPECT_DOUBLE_EQ(x, -6);
  EXPECT_DOUBLE_EQ(y, 6.5);
  x = y = 99;
  EXPECT_FALSE(clangPointPosition(parse("(reg (pt 1 2))"), x, y));
  EXPECT_EQ(x, 99);
}

struct Spot {
  const char* name;
  double x, y;
  bool inside;
};

void expectSpots(const ClangRegion& region, std::initializer_list<Spot> spots) {
  for (const Spot& s : spots) {
    EXPECT_EQ(clangRegionContains(region, s.x, s.y), s.inside) << s.name;
  }
}

TEST_F(RegionFixture, QuadrangleInsideEdgesAndOutside) {
  // Corners given clockwise and counter-clockwise hold the same spots.
  for (const char* text : {"(quad (pt 0 -34) (pt 10 -34) (pt 10 34) (pt 0 34))",
                           "(quad (pt 0 34) (pt 10 34) (pt 10 -34) (pt 0 -34))"}) {
    SCOPED_TRACE(text);
    expectSpots(parse(text), {{"centre", 5, 0, true},
                              {"left edge", 0, 3, true},
                              {"corner", 10, 34, true},
                              {"just outside", 10.01, 0, false},
                              {"below", 5, -34.5, false}});
  }
  // A non-convex quadrangle: the notch is outside.
  expectSpots(parse("(quad (pt 0 0) (pt 10 0) (pt 5 2) (pt 5 10))"),
              {{"inside arm", 2, 1, true}, {"notch", 7, 4, false}});
}

TEST_F(RegionFixture, DegenerateQuadrangleHoldsItsLine) {
  const ClangRegion& line = parse("(quad (pt -20 -34) (pt -20 -34) (pt -20 34) (pt -20 34))");
  expectSpots(line, {{"on the line", -20, 12.5, true},
                     {"line end", -20, 34, true},
                     {"beside", -19.5, 0, false},
                     {"beyond end", -20, 35, false}});
  EXPECT_TRUE(clangRegionContains(line, -19.5, 0, 1.0)) << "within a tolerance of 1 m";
}

TEST_F(RegionFixture, ArcRingSector) {
  expectSpots(parse("(arc (pt 0 0) 1 5 -90 180)"), {{"east", 3, 0, true},
                                                    {"north edge", 0, 4, true},
                                                    {"west", -3, 0, false},
                                                    {"too near", 0.5, 0, false},
                                                    {"too far", 6, 0, false},
                                                    {"outer radius", 5, 0, true}});
  // A sector over +x from 350 degrees for 20, and the same with a negative span.
  for (const char* text : {"(arc (pt 10 10) 0 2 350 20)", "(arc (pt 10 10) 0 2 10 -20)"}) {
    SCOPED_TRACE(text);
    expectSpots(parse(text), {{"on +x", 11, 10, true},
                              {"at 5 degrees below", 11, 9.95, true},
                              {"at 45 degrees", 11, 11, false},
                              {"centre", 10, 10, true}});
  }
  expectSpots(parse("(arc (pt 0 0) 0 1 0 360)"), {{"full circle", -0.5, -0.5, true}});
}

TEST_F(RegionFixture, UnionAndPoint) {
  const ClangRegion& both = parse("(reg (pt 1 2) (quad (pt 5 5) (pt 6 5) (pt 6 6) (pt 5 6)))");
  expectSpots(both, {{"the point", 1, 2, true},
                     {"near the point", 1.1, 2, false},
                     {"in the quad", 5.5, 5.5, true},
                     {"elsewhere", 3, 3, false}});
  expectSpots(parse("(reg)"), {{"empty union", 0, 0, false}});
}

}  // namespace
