// Crossings of rays with axis-parallel lines, with a marker point 10 m beyond the line for none.
#include "geometry/rays.h"

Point rayCrossingY(double px, double py, double vx, double vy, double c) {
  if (vy == 0) return Point{0, c + 10};
  double t = (c - py) / vy;
  if (t < 0) return Point{0, c + 10};
  return Point{px + t * vx, c};
}

Point rayCrossingX(double px, double py, double vx, double vy, double c) {
  if (vx == 0) return Point{c + 10, 0};
  double t = (c - px) / vx;
  if (t < 0) return Point{c + 10, 0};
  return Point{c, py + t * vy};
}
