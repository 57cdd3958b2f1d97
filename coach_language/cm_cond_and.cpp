// Text forms and evaluation of the conjunction of conditions.
#include "coach_language/cm_cond_and.h"

#include <utility>

#include "coach_language/print_helpers.h"

CM_CondAnd::CM_CondAnd(ConditionList conditions) : CM_CondGroup(std::move(conditions)) {}

std::ostream& CM_CondAnd::print(std::ostream& out) const {
  return printListForm(out, "and", getConditions());
}

void CM_CondAnd::printPretty(std::ostream& out, std::string lineHeader) const {
  printPrettyListForm(out, lineHeader, "and", getConditions(), " +");
}

int CM_CondAnd::getType() const {
  return 6;
}

bool CM_CondAnd::evaluate() const {
  for (const auto& condition : getConditions()) {
    if (condition != nullptr && !condition->evaluate()) return false;
  }
  return true;
}
