// Text forms, accessors and setters of the region classes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <sstream>

#include "coach_language/reg_arc.h"
#include "coach_language/reg_point_relative.h"
#include "coach_language/reg_point_simple.h"
#include "coach_language/reg_quad.h"
#include "coach_language/reg_union.h"
#include "tests/coach_language/text_forms.h"

namespace {

std::unique_ptr<RegPointSimple> pt(double x, double y) {
  return std::make_unique<RegPointSimple>(x, y);
}

std::unique_ptr<RegQuad> fieldStripQuad() {
  return std::make_unique<RegQuad>(pt(0, -34), pt(10, -34), pt(10, 34), pt(0, 34));
}

TEST(RegPointSimpleTest, WritesBothFormsOfTheWorkedExample) {
  RegPointSimple point(10.5, -34);
  EXPECT_EQ(protocolOf(point), "(pt 10.5 -34)");
  EXPECT_EQ(streamedOf(point), "(pt 10.5 -34)");
  EXPECT_EQ(prettyOf(point, "X: "), "X: Point(10.5, -34)\n");
  std::ostringstream inlineOut;
  point.printInline(inlineOut);
  EXPECT_EQ(inlineOut.str(), "Point(10.5, -34)");
}

TEST(RegPointSimpleTest, CoordinatesUseSixSignificantDigitsOfTheFloat) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {105.0 / 11.0, "9.54545"},  {-34.0, "-34"}, {-0.0, "-0"}, {1.0 / 3.0, "0.333333"},
      {123456789, "1.23457e+08"}, {0.1, "0.1"},  // widened from float, still six digits
  };
  for (const Case& c : cases) {
    RegPointSimple point(c.value, c.value);
    EXPECT_EQ(protocolOf(point), std::string("(pt ") + c.text + " " + c.text + ")") << c.text;
    EXPECT_EQ(prettyOf(point), std::string("Point(") + c.text + ", " + c.text + ")\n") << c.text;
  }
  EXPECT_EQ(RegPointSimple(0.1, 0).getX(), 0.1f);
}

TEST(RegPointSimpleTest, PrintAndOperatorYieldTheSameStreamForChaining) {
  RegPointSimple a(1, 2), b(3, 4);
  std::ostringstream out;
  EXPECT_EQ(&a.print(out), &out);
  out << " " << b << "!";
  EXPECT_EQ(out.str(), "(pt 1 2) (pt 3 4)!");
}

TEST(RegPointRelativeTest, WithOriginPrintsTheOriginNested) {
  RegPointRelative point(3, 4, pt(1, 2));
  EXPECT_EQ(protocolOf(point), "(pt 3 4 (pt 1 2))");
  EXPECT_EQ(prettyOf(point, "H: "), "H: Point-Relative(3, 4 Point(1, 2))\n");
  std::ostringstream inlineOut;
  point.printInline(inlineOut);
  EXPECT_EQ(inlineOut.str(), "Point-Relative(3, 4 Point(1, 2))\n");  // ends its line
}

TEST(RegPointRelativeTest, WithoutOriginWritesNullReadablyAndNothingInProtocol) {
  RegPointRelative point(3, 4, nullptr);
  EXPECT_EQ(prettyOf(point), "Point-Relative(3, 4 NULL)\n");
  EXPECT_EQ(protocolOf(point), "(pt 3 4 )");
}

TEST(RegPointRelativeTest, AccessorsReadAndReplaceOffsetsAndOrigin) {
  RegPointRelative point(3, 4, pt(1, 2));
  EXPECT_EQ(point.getDx(), 3.0f);
  EXPECT_EQ(point.getDy(), 4.0f);
  point.setOffsets(-1.5, 2.25);
  EXPECT_EQ(point.getDx(), -1.5f);
  EXPECT_EQ(point.getDy(), 2.25f);
  point.setOrigin(std::make_unique<RegPointRelative>(1, 1, pt(0, 0)));
  ASSERT_NE(point.getOrigin(), nullptr);
  // A relative origin ends its inline line inside the enclosing line.
  EXPECT_EQ(prettyOf(point), "Point-Relative(-1.5, 2.25 Point-Relative(1, 1 Point(0, 0))\n)\n");
  EXPECT_EQ(protocolOf(point), "(pt -1.5 2.25 (pt 1 1 (pt 0 0)))");
}

TEST(RegQuadTest, WritesBothFormsOfTheWorkedExample) {
  auto quad = fieldStripQuad();
  EXPECT_EQ(protocolOf(*quad), "(quad (pt 0 -34) (pt 10 -34) (pt 10 34) (pt 0 34))");
  EXPECT_EQ(streamedOf(*quad), "(quad (pt 0 -34) (pt 10 -34) (pt 10 34) (pt 0 34))");
  // A blank follows the last corner.
  EXPECT_EQ(prettyOf(*quad),
            "Quadrangle: Point(0, -34) Point(10, -34) Point(10, 34) Point(0, 34) \n");
  EXPECT_EQ(prettyOf(*quad, "> "),
            "> Quadrangle: Point(0, -34) Point(10, -34) Point(10, 34) Point(0, 34) \n");
}

TEST(RegQuadTest, MissingCornersPrintNothingAndNull) {
  RegQuad empty;
  EXPECT_EQ(protocolOf(empty), "(quad    )");
  EXPECT_EQ(prettyOf(empty), "Quadrangle: NULL NULL NULL NULL \n");
  auto quad = fieldStripQuad();
  ASSERT_TRUE(quad->setPoint(1, nullptr));
  EXPECT_EQ(protocolOf(*quad), "(quad (pt 0 -34)  (pt 10 34) (pt 0 34))");
  EXPECT_EQ(prettyOf(*quad), "Quadrangle: Point(0, -34) NULL Point(10, 34) Point(0, 34) \n");
}

TEST(RegQuadTest, CornerAccessorsRefuseIndicesOutsideZeroToThree) {
  auto quad = fieldStripQuad();
  RegPoint* corner2 = quad->getPoint(2);
  ASSERT_NE(corner2, nullptr);
  EXPECT_EQ(protocolOf(*corner2), "(pt 10 34)");
  EXPECT_EQ(quad->getPoint(-1), nullptr);
  EXPECT_EQ(quad->getPoint(4), nullptr);
  EXPECT_FALSE(quad->setPoint(4, pt(9, 9)));
  EXPECT_FALSE(quad->setPoint(-1, pt(9, 9)));
  EXPECT_EQ(protocolOf(*quad), "(quad (pt 0 -34) (pt 10 -34) (pt 10 34) (pt 0 34))");
  EXPECT_TRUE(quad->setPoint(3, pt(9, 9)));
  EXPECT_EQ(protocolOf(*quad), "(quad (pt 0 -34) (pt 10 -34) (pt 10 34) (pt 9 9))");
  quad->setPoints(pt(1, 1), pt(2, 2), pt(3, 3), pt(4, 4));
  EXPECT_EQ(protocolOf(*quad), "(quad (pt 1 1) (pt 2 2) (pt 3 3) (pt 4 4))");
}

TEST(RegArcTest, WritesBothFormsOfTheWorkedExample) {
  RegArc arc(pt(0, 0), 1, 5, -90, 180);
  EXPECT_EQ(protocolOf(arc), "(arc (pt 0 0) 1 5 -90 180)");
  EXPECT_EQ(streamedOf(arc), "(arc (pt 0 0) 1 5 -90 180)");
  EXPECT_EQ(prettyOf(arc, "A "), "A Arc: center=Point(0, 0)\tradius=1 to 5\tangle=-90 for 180\n");
}

TEST(RegArcTest, EmptyArcHasNoCentreAndZeros) {
  RegArc arc;
  EXPECT_EQ(arc.getCenter(), nullptr);
  EXPECT_EQ(protocolOf(arc), "(arc  0 0 0 0)");
  EXPECT_EQ(prettyOf(arc), "Arc: center=NULL\tradius=0 to 0\tangle=0 for 0\n");
  arc.setCenter(pt(1, 2));
  EXPECT_EQ(protocolOf(arc), "(arc (pt 1 2) 0 0 0 0)");
}

TEST(RegArcTest, ConstructorStoresValuesTheSettersWouldRefuse) {
  RegArc arc(pt(0, 0), 6, 5, 270, 10);
  EXPECT_EQ(arc.getStartRadius(), 6.0f);
  EXPECT_EQ(arc.getEndRadius(), 5.0f);
  EXPECT_EQ(arc.getStartAngle(), 270.0f);
  EXPECT_EQ(arc.getSpanAngle(), 10.0f);
}

TEST(RegArcTest, SettersCheckRadiusOrderAndStartAngleBounds) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct RadiusCase {
    double start, end;
    bool accepted;
  };
  const RadiusCase radiusCases[] = {
      {5, 5, true}, {6, 5, false}, {1, 9, true}, {nan, 2, true}, {2, nan, true}};
  // A stored value equals the one given, NaN included.
  auto stored = [](float value, double given) {
    return std::isnan(given) ? std::isnan(value) : value == float(given);
  };
  for (const RadiusCase& c : radiusCases) {
    RegArc arc(pt(0, 0), 1, 2, 0, 0);
    EXPECT_EQ(arc.setRadius(c.start, c.end), c.accepted) << c.start << " " << c.end;
    if (c.accepted) {
      EXPECT_TRUE(stored(arc.getStartRadius(), c.start)) << c.start << " " << c.end;
      EXPECT_TRUE(stored(arc.getEndRadius(), c.end)) << c.start << " " << c.end;
    } else {
      EXPECT_EQ(arc.getStartRadius(), 1.0f) << c.start;
      EXPECT_EQ(arc.getEndRadius(), 2.0f) << c.start;
    }
  }
  struct AngleCase {
    double start;
    bool accepted;
  };
  const AngleCase angleCases[] = {{180, true},     {-180, true}, {180.5, false},
                                  {-180.5, false}, {0, true},    {nan, true}};
  for (const AngleCase& c : angleCases) {
    RegArc arc(pt(0, 0), 1, 2, 10, 20);
    EXPECT_EQ(arc.setAngle(c.start, 720), c.accepted) << c.start;
    // The span is never checked; it is stored along with an accepted start.
    EXPECT_EQ(arc.getSpanAngle(), c.accepted ? 720.0f : 20.0f) << c.start;
    if (c.accepted) {
      EXPECT_TRUE(stored(arc.getStartAngle(), c.start)) << c.start;
    } else {
      EXPECT_EQ(arc.getStartAngle(), 10.0f) << c.start;
    }
  }
}

TEST(RegUnionTest, WritesBothFormsOfTheWorkedExample) {
  RegionList members;
  members.push_back(pt(1, 2));
  members.push_back(pt(3, 4));
  RegUnion regions(std::move(members));
  EXPECT_EQ(protocolOf(regions), "(reg (pt 1 2) (pt 3 4))");
  EXPECT_EQ(streamedOf(regions), "(reg (pt 1 2) (pt 3 4))");
  EXPECT_EQ(prettyOf(regions, "  "), "  Region Union:\n  o Point(1, 2)\n  o Point(3, 4)\n");
}

TEST(RegUnionTest, EmptyUnionIsTheHeaderLineAlone) {
  RegUnion regions;
  EXPECT_EQ(protocolOf(regions), "(reg)");
  EXPECT_EQ(prettyOf(regions, "U: "), "U: Region Union:\n");
  EXPECT_EQ(regions.getRegionCount(), 0);
}

TEST(RegUnionTest, NestedUnionsExtendTheHeaderPerLevel) {
  auto inner = std::make_unique<RegUnion>();
  inner->addRegion(pt(5, 6));
  RegUnion outer;
  outer.addRegion(std::move(inner));
  outer.addRegion(fieldStripQuad());
  EXPECT_EQ(protocolOf(outer),
            "(reg (reg (pt 5 6)) (quad (pt 0 -34) (pt 10 -34) (pt 10 34) (pt 0 34)))");
  EXPECT_EQ(prettyOf(outer, "#"),
            "#Region Union:\n"
            "#o Region Union:\n"
            "#o o Point(5, 6)\n"
            "#o Quadrangle: Point(0, -34) Point(10, -34) Point(10, 34) Point(0, 34) \n");
}

TEST(RegUnionTest, MemberAccessorsRefuseIndicesNotBelowTheCount) {
  RegUnion regions;
  EXPECT_TRUE(regions.addRegion(pt(1, 1)));
  EXPECT_TRUE(regions.addRegion(pt(2, 2)));
  EXPECT_EQ(regions.getRegionCount(), 2);
  ASSERT_NE(regions.getRegion(1), nullptr);
  EXPECT_EQ(protocolOf(*regions.getRegion(1)), "(pt 2 2)");
  EXPECT_EQ(regions.getRegion(2), nullptr);
  EXPECT_EQ(regions.getRegion(-1), nullptr);
  EXPECT_FALSE(regions.setRegion(2, pt(9, 9)));
  EXPECT_FALSE(regions.setRegion(-1, pt(9, 9)));
  EXPECT_EQ(protocolOf(regions), "(reg (pt 1 1) (pt 2 2))");
  EXPECT_TRUE(regions.setRegion(0, pt(7, 7)));
  EXPECT_EQ(protocolOf(regions), "(reg (pt 7 7) (pt 2 2))");
  RegionList replacement;
  replacement.push_back(pt(3, 3));
  regions.setRegions(std::move(replacement));
  EXPECT_EQ(regions.getRegionCount(), 1);
  EXPECT_EQ(protocolOf(regions), "(reg (pt 3 3))");
}

TEST(RegUnionTest, MissingMemberPrintsNothingAndNull) {
  RegUnion regions;
  regions.addRegion(nullptr);
  regions.addRegion(pt(1, 2));
  EXPECT_EQ(protocolOf(regions), "(reg  (pt 1 2))");
  EXPECT_EQ(prettyOf(regions, "  "), "  Region Union:\n  o NULL\n  o Point(1, 2)\n");
}

}  // namespace
