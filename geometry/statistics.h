// Small statistics over lists of doubles: mean, sample deviation and product-moment correlation.
#pragma once

#include <vector>

// Arithmetic mean; an empty list writes a warning and gives 0.
double mean(const std::vector<double>& values);

// Sample standard deviation around the given mean (divides by length - 1, so a single value gives
// not-a-number); an empty list writes a warning and gives 0.
double deviation(const std::vector<double>& values, double mean);

// Product-moment correlation of paired values with their means given. Lists of different length
// or an empty first list write a warning and give 0.
double correlation(const std::vector<double>& a, const std::vector<double>& b, double meanA,
                   double meanB);

// Product-moment correlation of paired values; computes the means itself.
double correlation(const std::vector<double>& a, const std::vector<double>& b);
