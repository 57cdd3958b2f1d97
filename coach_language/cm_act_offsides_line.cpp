// Text forms of the offside-line action.
#include "coach_language/cm_act_offsides_line.h"

#include <utility>

#include "coach_language/print_helpers.h"

CM_ActOffsidesLine::CM_ActOffsidesLine(std::unique_ptr<Region> region)
    : CM_ActRegion(std::move(region)) {}

std::ostream& CM_ActOffsidesLine::print(std::ostream& out) const {
  return printHeldForm(out, "(oline ", getRegion());
}

void CM_ActOffsidesLine::printPretty(std::ostream& out, std::string lineHeader) const {
  printPrettyHeldForm(out, lineHeader, "offsides line at: ", getRegion());
}

int CM_ActOffsidesLine::getType() const {
  return 7;
}
