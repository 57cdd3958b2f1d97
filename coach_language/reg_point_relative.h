// A point given by an offset from another point, its origin, which it owns.
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "coach_language/reg_point.h"

class RegPointRelative : public RegPoint {
 public:
  // The point at offset (dx, dy) from `origin`; takes ownership of `origin` (may be empty).
  RegPointRelative(double dx, double dy, std::unique_ptr<RegPoint> origin);
  ~RegPointRelative() override = default;

  // "(pt dx dy origin)"; nothing is written for a missing origin.
  std::ostream& print(std::ostream& out) const override;
  // header "Point-Relative(dx, dy origin)" and a line end; "NULL" for a missing origin.
  void printPretty(std::ostream& out, std::string lineHeader) const override;
  // As printPretty without the header; this form does end its line.
  std::ostream& printInline(std::ostream& out) const override;

  float getDx() const { return dx; }
  float getDy() const { return dy; }
  // Sets both offsets at once.
  void setOffsets(double newDx, double newDy);
  // The origin, or nullptr when there is none; the point keeps ownership.
  RegPoint* getOrigin() const { return origin.get(); }
  // Replaces the origin; the previous one is destroyed.
  void setOrigin(std::unique_ptr<RegPoint> newOrigin);

 private:
  float dx;
  float dy;
  std::unique_ptr<RegPoint> origin;
};
