// A quadrangle given by its four corner points, kept in the order given.
#pragma once

#include <array>
#include <memory>
#include <ostream>
#include <string>

#include "coach_language/reg_point.h"

class RegQuad : public Region {
 public:
  // All four corners empty.
  RegQuad() = default;
  // Takes ownership of the corners, stored at indices 0 to 3 in argument order.
  RegQuad(std::unique_ptr<RegPoint> p0, std::unique_ptr<RegPoint> p1, std::unique_ptr<RegPoint> p2,
          std::unique_ptr<RegPoint> p3);
  ~RegQuad() override = default;

  // "(quad c0 c1 c2 c3)"; a missing corner writes nothing between its blanks.
  std::ostream& print(std::ostream& out) const override;
  // header "Quadrangle: " then each corner inline followed by a blank, then a line end;
  // "NULL" for a missing corner.
  void printPretty(std::ostream& out, std::string lineHeader) const override;

  // Corner i, or nullptr when i is outside 0 to 3 or the corner is empty.
  RegPoint* getPoint(int i) const;
  // Replaces corner i (the previous one is destroyed); false and nothing
  // changed when i is outside 0 to 3.
  bool setPoint(int i, std::unique_ptr<RegPoint> point);
  // Replaces all four corners; the previous ones are destroyed.
  void setPoints(std::unique_ptr<RegPoint> p0, std::unique_ptr<RegPoint> p1,
                 std::unique_ptr<RegPoint> p2, std::unique_ptr<RegPoint> p3);

 private:
  std::array<std::unique_ptr<RegPoint>, 4> points;
};
