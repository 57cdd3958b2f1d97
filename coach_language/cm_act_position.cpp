// Text forms of the position action.
#include "coach_language/cm_act_position.h"

#include <utility>

#include "coach_language/print_helpers.h"

CM_ActPosition::CM_ActPosition(std::unique_ptr<Region> region) : CM_ActRegion(std::move(region)) {}

std::ostream& CM_ActPosition::print(std::ostream& out) const {
  return printHeldForm(out, "(pos ", getRegion());
}

void CM_ActPosition::printPretty(std::ostream& out, std::string lineHeader) const {
  printPrettyHeldForm(out, lineHeader, "position self at: ", getRegion());
}

int CM_ActPosition::getType() const {
  return 0;
}
