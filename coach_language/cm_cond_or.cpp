// Text forms and evaluation of the disjunction of conditions.
#include "coach_language/cm_cond_or.h"

#include <utility>

#include "coach_language/print_helpers.h"

CM_CondOr::CM_CondOr(ConditionList conditions) : conditions(std::move(conditions)) {}

std::ostream& CM_CondOr::print(std::ostream& out) const {
  out << "(or";
  printEach(out, conditions);
  return out << ")";
}

void CM_CondOr::printPretty(std::ostream& out, std::string lineHeader) const {
  out << lineHeader << "or" << std::endl;
  printPrettyEach(out, conditions, lineHeader + " +");
}

int CM_CondOr::getType() const {
  return 7;
}

bool CM_CondOr::evaluate() const {
  for (const auto& condition : conditions) {
    if (condition != nullptr && condition->evaluate()) return true;
  }
  return false;
}

void CM_CondOr::setConditions(ConditionList newConditions) {
  conditions.clear();
  conditions = std::move(newConditions);
}
