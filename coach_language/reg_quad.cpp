// Text forms and corner accessors of a quadrangle.
#include "coach_language/reg_quad.h"

#include <utility>

#include "coach_language/print_helpers.h"

RegQuad::RegQuad(std::unique_ptr<RegPoint> p0, std::unique_ptr<RegPoint> p1,
                 std::unique_ptr<RegPoint> p2, std::unique_ptr<RegPoint> p3)
    : points{std::move(p0), std::move(p1), std::move(p2), std::move(p3)} {}

std::ostream& RegQuad::print(std::ostream& out) const {
  out << "(quad";
  printEach(out, points);
  return out << ")";
}

void RegQuad::printPretty(std::ostream& out, std::string lineHeader) const {
  out << lineHeader << "Quadrangle: ";
  for (const auto& point : points) {
    printInlineHeld(out, point.get());
    out << " ";
  }
  out << std::endl;
}

RegPoint* RegQuad::getPoint(int i) const {
  if (i < 0 || i > 3) return nullptr;
  return points[i].get();
}

bool RegQuad::setPoint(int i, std::unique_ptr<RegPoint> point) {
  if (i < 0 || i > 3) return false;
  points[i] = std::move(point);
  return true;
}

void RegQuad::setPoints(std::unique_ptr<RegPoint> p0, std::unique_ptr<RegPoint> p1,
                        std::unique_ptr<RegPoint> p2, std::unique_ptr<RegPoint> p3) {
  points[0] = std::move(p0);
  points[1] = std::move(p1);
  points[2] = std::move(p2);
  points[3] = std::move(p3);
}
