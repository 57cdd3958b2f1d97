// Text forms and evaluation of the disjunction of conditions.
#include "coach_language/cm_cond_or.h"

#include <utility>

#include "coach_language/print_helpers.h"

CM_CondOr::CM_CondOr(ConditionList conditions) : CM_CondGroup(std::move(conditions)) {}

std::ostream& CM_CondOr::print(std::ostream& out) const {
  return printListForm(out, "or", getConditions());
}

void CM_CondOr::printPretty(std::ostream& out, std::string lineHeader) const {
  printPrettyListForm(out, lineHeader, "or", getConditions(), " +");
}

int CM_CondOr::getType() const {
  return 7;
}

bool CM_CondOr::evaluate() const {
  for (const auto& condition : getConditions()) {
    if (condition != nullptr && condition->evaluate()) return true;
  }
  return false;
}
