// Section edges and the point-to-section rule of the 11 x 7 field grid.
#include "geometry/field_sections.h"

double sectionEdgeX(int i) {
  return i * SECTION_WIDTH - FIELD_LENGTH / 2;
}

double sectionEdgeY(int j) {
  return j * SECTION_HEIGHT - FIELD_WIDTH / 2;
}

int sectionIndexX(double x) {
  for (int i = 0; i < NUM_SECTIONS_X; ++i) {
    if (sectionEdgeX(i) < x && x <= sectionEdgeX(i + 1)) return i;
  }
  return -1;
}

int sectionIndexY(double y) {
  for (int j = 0; j < NUM_SECTIONS_Y; ++j) {
    if (sectionEdgeY(j) < y && y <= sectionEdgeY(j + 1)) return j;
  }
  return -1;
}

bool onField(double x, double y) {
  return !(x > FIELD_LENGTH / 2 || x < -FIELD_LENGTH / 2 || y > FIELD_WIDTH / 2 ||
           y < -FIELD_WIDTH / 2);
}

bool findSection(double x, double y, int& xIndex, int& yIndex) {
  xIndex = sectionIndexX(x);
  yIndex = sectionIndexY(y);
  if (xIndex < 0 || yIndex < 0) {
    xIndex = -1;
    yIndex = -1;
    return false;
  }
  return true;
}
