// Rectangles of field sections with the sum of the grid values inside them, and the operations
// the analysis uses on them: bounding, overlap, sorting and corner points.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "geometry/point.h"
#include "geometry/rect_grid.h"

// Index bounds (both included) of a rectangle of sections; consistent when xMin <= xMax and
// yMin <= yMax.
struct regionOfSections {
  std::int32_t yMin;
  std::int32_t xMin;
  std::int32_t yMax;
  std::int32_t xMax;
  std::int32_t sum;
};

// New rectangle bounding the sections of list, read as (x index, y index) pairs, with sum the total
// of grid's values inside it. An empty list gives the inverted record 7, 11, 0, 0, sum 0.
std::unique_ptr<regionOfSections> boundingRegion(const std::vector<int>& list,
                                                 const RectGrid& grid);

// Number of sections the two rectangles share. A missing or inconsistent rectangle writes a
// message and gives 0.
int sectionsInCommon(const regionOfSections* a, const regionOfSections* b);

// Bubble-sorts regions by the field the key selects (1 yMin, 2 xMin, 3 yMax, 4 xMax), descending
// for order 1 and ascending otherwise; equal values keep their order. numbers (at least as long
// as regions) is permuted alongside; every element of regions holds a record. Any other key leaves
// both lists unchanged.
void sortRegions(std::vector<std::unique_ptr<regionOfSections>>& regions, std::int16_t key,
                 std::vector<int>& numbers, std::int16_t order);

// Field point of a corner of the rectangle's outer boundary, counter-clockwise from the low-x,
// low-y corner (0) to the low-x, high-y corner (3). Any other corner writes a message and gives
// (0, 0).
Point getXY(const regionOfSections& region, std::int16_t corner);
