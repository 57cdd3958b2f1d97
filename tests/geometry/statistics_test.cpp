// Tests of mean, deviation and correlation, with their warnings on empty or mismatched lists.
#include "geometry/statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

TEST(Mean, AveragesAndWarnsOnEmpty) {
  EXPECT_DOUBLE_EQ(mean({1, 2, 3, 6}), 3);
  testing::internal::CaptureStderr();
  EXPECT_EQ(mean({}), 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Warning, calculating mean of empty vector.\n");
}

TEST(Deviation, SampleDeviation) {
  EXPECT_DOUBLE_EQ(deviation({2, 4, 4, 4, 5, 5, 7, 9}, 5), std::sqrt(32.0 / 7));
  EXPECT_DOUBLE_EQ(deviation({1, 3}, 0), std::sqrt(10.0)) << "around the given mean, not 2";
  EXPECT_TRUE(std::isnan(deviation({3}, 3))) << "one element divides 0 by 0";
  testing::internal::CaptureStderr();
  EXPECT_EQ(deviation({}, 0), 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Warning, calculating deviation of empty vector.\n");
}

TEST(Correlation, BothForms) {
  EXPECT_DOUBLE_EQ(correlation({1, 2, 3}, {2, 4, 6}), 1) << "outer, rising";
  EXPECT_DOUBLE_EQ(correlation({1, 2, 3}, {3, 2, 1}), -1) << "outer, falling";
  EXPECT_DOUBLE_EQ(correlation({1, 2, 3, 4}, {1, 3, 2, 4}), 0.8) << "outer, partial";
  EXPECT_DOUBLE_EQ(correlation({1, 2, 3, 4}, {1, 3, 2, 4}, 2.5, 2.5), 0.8) << "inner";
  EXPECT_DOUBLE_EQ(correlation({1, 2, 3}, {1, 2, 4}, 0, 0), 17 / std::sqrt(14.0 * 21))
      << "inner, around the given means";
}

TEST(Correlation, NonsenseListsWarnOnceAndGiveZero) {
  const std::string warning = "Warning, trying to calculate PMK for nonsense vectors.\n";
  const struct {
    const char* name;
    std::vector<double> a, b;
  } cases[] = {{"different lengths", {1, 2}, {1}}, {"both empty", {}, {}}};
  for (const auto& c : cases) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(correlation(c.a, c.b), 0) << c.name;
    EXPECT_EQ(testing::internal::GetCapturedStderr(), warning) << c.name;
    testing::internal::CaptureStderr();
    EXPECT_EQ(correlation(c.a, c.b, 0, 0), 0) << c.name << " (inner)";
    EXPECT_EQ(testing::internal::GetCapturedStderr(), warning) << c.name << " (inner)";
  }
}

}  // namespace
