// Tests of the linear interval mapping, including its empty source interval.
#include "geometry/scale.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ScaleFromTo, MapsLinearly) {
  EXPECT_DOUBLE_EQ(scale_from_to(0, -52.5, 52.5, 0, 1000), 500);
  EXPECT_DOUBLE_EQ(scale_from_to(52.5, -52.5, 52.5, 0, 1000), 1000);
  EXPECT_DOUBLE_EQ(scale_from_to(2, 0, 4, 10, 0), 5) << "falling target";
}

TEST(ScaleFromTo, EmptySourceIntervalWarnsAndStillDivides) {
  testing::internal::CaptureStderr();
  EXPECT_TRUE(std::isinf(scale_from_to(3, 1, 1, 0, 10))) << "value apart from fromLow";
  EXPECT_TRUE(std::isnan(scale_from_to(1, 1, 1, 0, 10))) << "value equal to fromLow";
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Division by zero in scale_from_to!\nDivision by zero in scale_from_to!\n");
}

}  // namespace
