// A point of the field given by its coordinates in metres.
#pragma once

#include <ostream>
#include <string>

#include "coach_language/reg_point.h"

class RegPointSimple : public RegPoint {
 public:
  // The point (x, y); both are stored as 32-bit floats.
  RegPointSimple(double x, double y);
  ~RegPointSimple() override = default;

  // "(pt x y)"
  std::ostream& print(std::ostream& out) const override;
  // header "Point(x, y)" and a line end.
  void printPretty(std::ostream& out, std::string lineHeader) const override;
  // "Point(x, y)" without line end.
  std::ostream& printInline(std::ostream& out) const override;

  float getX() const { return x; }
  float getY() const { return y; }

 private:
  float x;
  float y;
};
