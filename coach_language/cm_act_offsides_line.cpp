// Text forms of the offside-line action.
#include "coach_language/cm_act_offsides_line.h"

#include <utility>

#include "coach_language/print_helpers.h"

CM_ActOffsidesLine::CM_ActOffsidesLine(std::unique_ptr<Region> region)
    : region(std::move(region)) {}

std::ostream& CM_ActOffsidesLine::print(std::ostream& out) const {
  out << "(oline ";
  printHeld(out, region.get());
  return out << ")";
}

void CM_ActOffsidesLine::printPretty(std::ostream& out, std::string lineHeader) const {
  out << lineHeader << "offsides line at: " << std::endl;
  printPrettyHeld(out, region.get(), lineHeader + " ");
}

int CM_ActOffsidesLine::getType() const {
  return 7;
}

void CM_ActOffsidesLine::setRegion(std::unique_ptr<Region> newRegion) {
  region = std::move(newRegion);
}
