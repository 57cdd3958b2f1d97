// One integer per field section (a count of cycles, later a percentage), stored x-major.
#pragma once

#include <cstdint>
#include <memory>

#include "geometry/field_sections.h"
#include "geometry/point.h"

class RectGrid {
 public:
  // A grid with all 77 values 0.
  RectGrid();

  // Adds 1 to section (x, y). A section that does not exist writes a message and changes nothing.
  void incSection(int x, int y);
  // The value of section (x, y), or -1 (with a message) for a section that does not exist.
  int getSection(int x, int y) const;
  // Overwrites the value of section (x, y); a section that does not exist writes a message.
  void setSection(int x, int y, int value);

  // 11 and 7.
  static int numSectionsX() { return NUM_SECTIONS_X; }
  static int numSectionsY() { return NUM_SECTIONS_Y; }

  // New point at the low-x, low-y corner of section (x, y).
  static std::unique_ptr<Point> lowerCorner(int x, int y);
  // New point at the high-x, high-y corner of section (x, y).
  static std::unique_ptr<Point> upperCorner(int x, int y);

  // Writes the grid to standard output: one line per y index, the values of x index 0..10 each
  // followed by three blanks, and a fourth blank after a value of 9 or less.
  void dump() const;

 private:
  std::int32_t values_[NUM_SECTIONS_X * NUM_SECTIONS_Y];  // section (i, j) at j + 7 * i
};
