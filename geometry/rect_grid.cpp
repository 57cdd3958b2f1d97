// The 11 x 7 grid of per-section values with checked access.
#include "geometry/rect_grid.h"

#include <iostream>

namespace {

bool validSection(int x, int y) {
  if (x < 0 || x >= NUM_SECTIONS_X || y < 0 || y >= NUM_SECTIONS_Y) {
    std::cerr << "Accessing non-existing section in RectGrid!" << std::endl;
    return false;
  }
  return true;
}

}  // namespace

RectGrid::RectGrid() : values_{} {}

void RectGrid::incSection(int x, int y) {
  if (validSection(x, y)) ++values_[y + NUM_SECTIONS_Y * x];
}

int RectGrid::getSection(int x, int y) const {
  if (!validSection(x, y)) return -1;
  return values_[y + NUM_SECTIONS_Y * x];
}

void RectGrid::setSection(int x, int y, int value) {
  if (validSection(x, y)) values_[y + NUM_SECTIONS_Y * x] = value;
}

std::unique_ptr<Point> RectGrid::lowerCorner(int x, int y) {
  return std::make_unique<Point>(Point{sectionEdgeX(x), sectionEdgeY(y)});
}

std::unique_ptr<Point> RectGrid::upperCorner(int x, int y) {
  return std::make_unique<Point>(Point{sectionEdgeX(x + 1), sectionEdgeY(y + 1)});
}

void RectGrid::dump() const {
  for (int j = 0; j < NUM_SECTIONS_Y; ++j) {
    for (int i = 0; i < NUM_SECTIONS_X; ++i) {
      int value = values_[j + NUM_SECTIONS_Y * i];
      std::cout << value << "   ";
      if (value <= 9) std::cout << " ";
    }
    std::cout << "\n";
  }
}
