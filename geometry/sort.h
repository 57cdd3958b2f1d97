// In-place quicksort of points by their x coordinate.
#pragma once

#include "geometry/point.h"

// Sorts points[lo..hi] (both included) by ascending x with a middle-pivot quicksort. Not stable:
// points with equal x may change order. lo >= hi leaves the array unchanged.
void sortByX(Point* points, int lo, int hi);
