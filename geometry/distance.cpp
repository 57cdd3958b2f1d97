// Distances, directions and polar offsets between field points.
#include "geometry/distance.h"

#include <cmath>

#include "geometry/angles.h"

double distance(double x1, double y1, double x2, double y2) {
  return std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
}

double direction(double x1, double y1, double x2, double y2) {
  double dx = x2 - x1;
  double dy = y2 - y1;
  double d = std::sqrt(dx * dx + dy * dy);
  if (d == 0) return 0;
  return angleOfUnitVector(dx / d, dy / d);
}

Point pointAtPolar(double px, double py, double angle, double dist) {
  return Point{px + cosDeg(angle) * dist, py - sinDeg(angle) * dist};
}
