// Where a ray from a start point along a direction vector meets a vertical or horizontal line.
#pragma once

#include "geometry/point.h"

// Crossing of the ray (px, py) + t * (vx, vy), t >= 0, with the line y = c. When the ray is
// parallel or moves away, the marker (0, c + 10) is returned: it lies 10 m beyond the line.
Point rayCrossingY(double px, double py, double vx, double vy, double c);

// Crossing of the ray with the line x = c; the marker for no crossing is (c + 10, 0).
Point rayCrossingX(double px, double py, double vx, double vy, double c);
