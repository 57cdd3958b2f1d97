// The field cut into 11 x 7 rectangular sections: sizes, edges and the rule that places a field
// point in a section.
#pragma once

constexpr double FIELD_LENGTH = 105;  // x from -52.5 to 52.5
constexpr double FIELD_WIDTH = 68;    // y from -34 to 34
constexpr int NUM_SECTIONS_X = 11;
constexpr int NUM_SECTIONS_Y = 7;
constexpr double SECTION_WIDTH = FIELD_LENGTH / NUM_SECTIONS_X;  // 9.545454545454545
constexpr double SECTION_HEIGHT = FIELD_WIDTH / NUM_SECTIONS_Y;  // 9.714285714285714

// Low x edge of x index i, i * SECTION_WIDTH - 52.5; the high edge of i is sectionEdgeX(i + 1),
// so neighbouring sections share exactly the same edge value.
double sectionEdgeX(int i);
// Low y edge of y index j, j * SECTION_HEIGHT - 34; the high edge of j is sectionEdgeY(j + 1).
double sectionEdgeY(int j);

// X index of the section column holding x (low edge excluded, high edge included), -1 for none.
int sectionIndexX(double x);
// Y index of the section row holding y, -1 for none.
int sectionIndexY(double y);

// The point (x, y) lies on the field or on its lines: -52.5 <= x <= 52.5 and -34 <= y <= 34. A
// coordinate that is not a number is not taken as off the field.
bool onField(double x, double y);

// Finds the section of the point (x, y). True with both indices set when it lies in one; false
// with both indices -1 when it lies in none (for example on x = -52.5 or y = -34).
bool findSection(double x, double y, int& xIndex, int& yIndex);
