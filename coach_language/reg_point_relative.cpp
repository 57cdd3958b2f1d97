// Text forms and accessors of a point relative to an owned origin.
#include "coach_language/reg_point_relative.h"

#include <utility>

#include "coach_language/print_helpers.h"

RegPointRelative::RegPointRelative(double dx, double dy, std::unique_ptr<RegPoint> origin)
    : dx(static_cast<float>(dx)), dy(static_cast<float>(dy)), origin(std::move(origin)) {}

std::ostream& RegPointRelative::print(std::ostream& out) const {
  out << "(pt " << static_cast<double>(dx) << " " << static_cast<double>(dy) << " ";
  printHeld(out, origin.get());
  return out << ")";
}

void RegPointRelative::printPretty(std::ostream& out, std::string lineHeader) const {
  out << lineHeader;
  printInline(out);
}

std::ostream& RegPointRelative::printInline(std::ostream& out) const {
  out << "Point-Relative(" << static_cast<double>(dx) << ", " << static_cast<double>(dy) << " ";
  printInlineHeld(out, origin.get());
  return out << ")" << std::endl;
}

void RegPointRelative::setOffsets(double newDx, double newDy) {
  dx = static_cast<float>(newDx);
  dy = static_cast<float>(newDy);
}

void RegPointRelative::setOrigin(std::unique_ptr<RegPoint> newOrigin) {
  origin = std::move(newOrigin);
}
