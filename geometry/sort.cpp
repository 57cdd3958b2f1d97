// Recursive quicksort of points by x, pivot taken from the middle of the range.
#include "geometry/sort.h"

#include <utility>

void sortByX(Point* points, int lo, int hi) {
  if (lo >= hi) return;
  std::swap(points[lo], points[(lo + hi) / 2]);
  int last = lo;
  for (int i = lo + 1; i <= hi; ++i) {
    if (points[i].x < points[lo].x) {
      ++last;
      std::swap(points[last], points[i]);
    }
  }
  std::swap(points[lo], points[last]);
  sortByX(points, lo, last - 1);
  sortByX(points, last + 1, hi);
}
