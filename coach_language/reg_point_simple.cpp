// Text forms of a simple point.
#include "coach_language/reg_point_simple.h"

RegPointSimple::RegPointSimple(double x, double y)
    : x(static_cast<float>(x)), y(static_cast<float>(y)) {}

std::ostream& RegPointSimple::print(std::ostream& out) const {
  return out << "(pt " << static_cast<double>(x) << " " << static_cast<double>(y) << ")";
}

void RegPointSimple::printPretty(std::ostream& out, std::string lineHeader) const {
  out << lineHeader;
  printInline(out) << std::endl;
}

std::ostream& RegPointSimple::printInline(std::ostream& out) const {
  return out << "Point(" << static_cast<double>(x) << ", " << static_cast<double>(y) << ")";
}
