// Mean, sample deviation and product-moment correlation of lists of doubles.
#include "geometry/statistics.h"

#include <cmath>
#include <iostream>

double mean(const std::vector<double>& values) {
  if (values.empty()) {
    std::cerr << "Warning, calculating mean of empty vector." << std::endl;
    return 0;
  }
  double sum = 0;
  for (double v : values) sum += v;
  return sum / values.size();
}

double deviation(const std::vector<double>& values, double mean) {
  if (values.empty()) {
    std::cerr << "Warning, calculating deviation of empty vector." << std::endl;
    return 0;
  }
  double sum = 0;
  for (double v : values) sum += (v - mean) * (v - mean);
  return std::sqrt(sum / (static_cast<double>(values.size()) - 1));
}

namespace {

bool nonsense(const std::vector<double>& a, const std::vector<double>& b) {
  if (a.size() != b.size() || a.empty()) {
    std::cerr << "Warning, trying to calculate PMK for nonsense vectors." << std::endl;
    return true;
  }
  return false;
}

}  // namespace

double correlation(const std::vector<double>& a, const std::vector<double>& b, double meanA,
                   double meanB) {
  if (nonsense(a, b)) return 0;
  double products = 0;
  double squaresA = 0;
  double squaresB = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    products += (a[i] - meanA) * (b[i] - meanB);
    squaresA += (a[i] - meanA) * (a[i] - meanA);
    squaresB += (b[i] - meanB) * (b[i] - meanB);
  }
  return products / std::sqrt(squaresA * squaresB);
}

double correlation(const std::vector<double>& a, const std::vector<double>& b) {
  // Checked before the means, so nonsense input gives one warning and no mean warnings.
  if (nonsense(a, b)) return 0;
  return correlation(a, b, mean(a), mean(b));
}
