// Rectangles of field sections: bounding box of listed sections, overlap, sorting, corners.
#include "geometry/region_of_sections.h"

#include <algorithm>
#include <iostream>
#include <utility>

std::unique_ptr<regionOfSections> boundingRegion(const std::vector<int>& list,
                                                 const RectGrid& grid) {
  int yMin = RectGrid::numSectionsY();
  int xMin = RectGrid::numSectionsX();
  int yMax = 0;
  int xMax = 0;
  for (std::size_t k = 0; k + 1 < list.size(); k += 2) {
    xMin = std::min(xMin, list[k]);
    xMax = std::max(xMax, list[k]);
    yMin = std::min(yMin, list[k + 1]);
    yMax = std::max(yMax, list[k + 1]);
  }
  int sum = 0;
  for (int x = xMin; x <= xMax; ++x) {
    for (int y = yMin; y <= yMax; ++y) sum += grid.getSection(x, y);
  }
  return std::make_unique<regionOfSections>(regionOfSections{yMin, xMin, yMax, xMax, sum});
}

namespace {

bool consistent(const regionOfSections& r) {
  return r.xMin <= r.xMax && r.yMin <= r.yMax;
}

}  // namespace

int sectionsInCommon(const regionOfSections* a, const regionOfSections* b) {
  if (a == nullptr || b == nullptr) {
    std::cerr << "THIS SHOULD NEVER EVER HAPPEN!" << std::endl;
    return 0;
  }
  if (!consistent(*a) || !consistent(*b)) {
    std::cerr << "Warning, regionOfSections inconsistent." << std::endl;
    return 0;
  }
  int w = std::min(a->xMax, b->xMax) - std::max(a->xMin, b->xMin) + 1;
  int h = std::min(a->yMax, b->yMax) - std::max(a->yMin, b->yMin) + 1;
  if (h <= 0 || w <= 0) return 0;
  return w * h;
}

namespace {

// The field of r that a sort key selects; 0 for keys that select none.
int keyField(const regionOfSections& r, std::int16_t key) {
  switch (key) {
    case 1:
      return r.yMin;
    case 2:
      return r.xMin;
    case 3:
      return r.yMax;
    case 4:
      return r.xMax;
    default:
      return 0;
  }
}

}  // namespace

void sortRegions(std::vector<std::unique_ptr<regionOfSections>>& regions, std::int16_t key,
                 std::vector<int>& numbers, std::int16_t order) {
  if (key < 1 || key > 4) return;
  int d = order == 1 ? 1 : -1;
  bool swapped = true;
  while (swapped) {
    swapped = false;
    for (std::size_t i = 1; i < regions.size(); ++i) {
      if (d * keyField(*regions[i], key) > d * keyField(*regions[i - 1], key)) {
        std::swap(regions[i - 1], regions[i]);
        if (i < numbers.size()) std::swap(numbers[i - 1], numbers[i]);
        swapped = true;
      }
    }
  }
}

Point getXY(const regionOfSections& region, std::int16_t corner) {
  switch (corner) {
    case 0:
      return Point{sectionEdgeX(region.xMin), sectionEdgeY(region.yMin)};
    case 1:
      return Point{sectionEdgeX(region.xMax + 1), sectionEdgeY(region.yMin)};
    case 2:
      return Point{sectionEdgeX(region.xMax + 1), sectionEdgeY(region.yMax + 1)};
    case 3:
      return Point{sectionEdgeX(region.xMin), sectionEdgeY(region.yMax + 1)};
    default:
      std::cerr << "Error: Using getXY with wrong argument" << std::endl;
      return Point{0, 0};
  }
}
