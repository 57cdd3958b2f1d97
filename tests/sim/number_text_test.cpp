// Number texts of the views: at most four decimals, no trailing zeros.
#include "sim/number_text.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberTextTest, FourDecimalsAtMostWithoutTrailingZeros) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {-52.5, "-52.5"},     {0, "0"},
      {12.3456, "12.3456"}, {12.34567, "12.3457"},
      {3.0, "3"},           {0.10000001, "0.1"},
      {-0.00004, "0"},      {0.00005, "0.0001"},
      {1e6, "1000000"},     {-7.02, "-7.02"},
  };
  for (const auto& c : cases) EXPECT_EQ(numberText(c.value), c.text) << c.value;
}

}  // namespace
