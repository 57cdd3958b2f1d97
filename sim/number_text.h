// Number texts of the views: at most four decimals, trailing zeros and a bare point dropped.
#pragma once

#include <string>

// 12.34567 -> "12.3457", -52.5 -> "-52.5", 0.00001 -> "0", -0.00001 -> "0".
std::string numberText(double value);
