// Text forms of the position action.
#include "coach_language/cm_act_position.h"

#include <utility>

#include "coach_language/print_helpers.h"

CM_ActPosition::CM_ActPosition(std::unique_ptr<Region> region) : region(std::move(region)) {}

std::ostream& CM_ActPosition::print(std::ostream& out) const {
  out << "(pos ";
  printHeld(out, region.get());
  return out << ")";
}

void CM_ActPosition::printPretty(std::ostream& out, std::string lineHeader) const {
  out << lineHeader << "position self at: " << std::endl;
  printPrettyHeld(out, region.get(), lineHeader + " ");
}

int CM_ActPosition::getType() const {
  return 0;
}

void CM_ActPosition::setRegion(std::unique_ptr<Region> newRegion) {
  region = std::move(newRegion);
}
