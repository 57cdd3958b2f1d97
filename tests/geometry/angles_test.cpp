// Tests of the angle helpers: interval tests with wrap-around, normalising, the shortened pi.
#include "geometry/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct BetweenCase {
  const char* name;
  double angle, from, to;
  bool expected;
};

TEST(BetweenAngles, TableOfIntervals) {
  const BetweenCase cases[] = {
      {"wrap: 0 inside", 0, 350, 10, true},
      {"wrap: 360 excluded", 360, 350, 10, false},
      {"wrap: lower end excluded", 350, 350, 10, false},
      {"wrap: upper end excluded", 10, 350, 10, false},
      {"wrap: just above from", 355, 350, 10, true},
      {"wrap: just below to", 5, 350, 10, true},
      {"wrap: outside", 180, 350, 10, false},
      {"plain: inside", 5, 0, 10, true},
      {"plain: upper end included", 10, 0, 10, true},
      {"plain: lower end included", 0, 0, 10, true},
      {"plain: outside", 11, 0, 10, false},
      {"plain: whole circle", 360, 0, 360, true},
      {"plain: single angle", 90, 90, 90, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(betweenAngles(c.angle, c.from, c.to), c.expected) << c.name;
  }
}

TEST(BetweenAngles, UnorderedBoundsWarnAndGiveFalse) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  testing::internal::CaptureStderr();
  EXPECT_FALSE(betweenAngles(5, nan, 10));
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Should never reach this point in betweenAngles!\n");
}

TEST(BetweenAnglesDeathTest, OutOfRangeEndsProcessWithStatusOne) {
  const char* message = "^Using betweenAngles with wrong values\\. Scale to 0\\.\\.360 first!!\n$";
  EXPECT_EXIT(betweenAngles(-1, 0, 10), testing::ExitedWithCode(1), message) << "angle below 0";
  EXPECT_EXIT(betweenAngles(5, 360.5, 10), testing::ExitedWithCode(1), message) << "from above";
  EXPECT_EXIT(betweenAngles(5, 0, -0.1), testing::ExitedWithCode(1), message) << "to below 0";
}

TEST(NormalizeAngle, TableOfAngles) {
  const struct {
    double angle, expected;
  } cases[] = {{-30, 330},
               {720, 360},
               {360, 360},
               {-360, 0},
               {0, 0},
               {725, 5},
               {-725, 355},
               // Many turns away: the same result the turn-by-turn loop reaches.
               {360.0 * 5000, 360},
               {-360.0 * 5000, 0},
               {360.0 * 1099511627776 + 30.25, 30.25},
               {-360.0 * 1099511627776 - 30.25, 329.75}};
  for (const auto& c : cases) {
    EXPECT_EQ(normalizeAngle(c.angle), c.expected) << "normalizeAngle(" << c.angle << ")";
  }
}

TEST(NormalizeAngle, EndsOnValuesATurnCannotChange) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(normalizeAngle(inf), inf) << "infinity passes through";
  EXPECT_EQ(normalizeAngle(-inf), -inf) << "minus infinity passes through";
  EXPECT_TRUE(std::isnan(normalizeAngle(std::nan("")))) << "not-a-number passes through";
  for (double huge : {1e20, -1e20, 1e300}) {
    const double result = normalizeAngle(huge);
    EXPECT_GE(result, 0) << huge;
    EXPECT_LE(result, 360) << huge;
  }
}

TEST(Conversions, UseTheShortenedPi) {
  EXPECT_EQ(degToRad(180), 3.141592654);
  EXPECT_EQ(radToDeg(3.141592654), 180);
  // Exact values would be 0.5; the shortened pi moves them by about 6e-11 and -1.2e-10.
  EXPECT_NEAR(sinDeg(30), 0.5000000000592083, 1e-15);
  EXPECT_NEAR(cosDeg(60), 0.4999999998815835, 1e-15);
}

TEST(AngleOfUnitVector, SignFollowsSine) {
  EXPECT_NEAR(angleOfUnitVector(0, 1), 89.99999998824843, 1e-12) << "up";
  EXPECT_NEAR(angleOfUnitVector(0, -1), -89.99999998824843, 1e-12) << "down";
  EXPECT_NEAR(angleOfUnitVector(-1, 0), 179.99999997649687, 1e-12) << "s = 0 stays positive";
  EXPECT_EQ(angleOfUnitVector(1, 0), 0) << "along +x";
  EXPECT_TRUE(std::isnan(angleOfUnitVector(1.5, 0))) << "|c| > 1";
}

}  // namespace
