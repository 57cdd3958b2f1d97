// Point-to-segment distance by projecting onto the segment and clamping to its ends.
#include "sim/segment_distance.h"

#include <algorithm>
#include <cmath>

double distanceToSegment(double px, double py, double ax, double ay, double bx, double by) {
  double dx = bx - ax, dy = by - ay;
  double length = dx * dx + dy * dy;
  double t = length > 0 ? std::clamp(((px - ax) * dx + (py - ay) * dy) / length, 0.0, 1.0) : 0;
  return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}
