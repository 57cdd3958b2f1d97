// Text forms and evaluation of the conjunction of conditions.
#include "coach_language/cm_cond_and.h"

#include <utility>

#include "coach_language/print_helpers.h"

CM_CondAnd::CM_CondAnd(ConditionList conditions) : conditions(std::move(conditions)) {}

std::ostream& CM_CondAnd::print(std::ostream& out) const {
  out << "(and";
  printEach(out, conditions);
  return out << ")";
}

void CM_CondAnd::printPretty(std::ostream& out, std::string lineHeader) const {
  out << lineHeader << "and" << std::endl;
  printPrettyEach(out, conditions, lineHeader + " +");
}

int CM_CondAnd::getType() const {
  return 6;
}

bool CM_CondAnd::evaluate() const {
  for (const auto& condition : conditions) {
    if (condition != nullptr && !condition->evaluate()) return false;
  }
  return true;
}

void CM_CondAnd::setConditions(ConditionList newConditions) {
  conditions.clear();
  conditions = std::move(newConditions);
}
