// Linear mapping between intervals.
#include "geometry/scale.h"

#include <iostream>

double scale_from_to(double value, double fromLow, double fromHigh, double toLow, double toHigh) {
  double span = fromHigh - fromLow;
  if (span == 0) std::cerr << "Division by zero in scale_from_to!" << std::endl;
  return toLow + (value - fromLow) / span * (toHigh - toLow);
}
