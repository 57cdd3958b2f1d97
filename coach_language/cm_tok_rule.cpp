// Text forms and accessors of the rule token.
#include "coach_language/cm_tok_rule.h"

#include <utility>

#include "coach_language/print_helpers.h"

CM_TokRule::CM_TokRule(int ttl, std::unique_ptr<CM_Condition> condition)
    : ttl(ttl), condition(std::move(condition)) {}

CM_TokRule::CM_TokRule(int ttl, std::unique_ptr<CM_Condition> condition, DirectiveList directives)
    : ttl(ttl), condition(std::move(condition)), directives(std::move(directives)) {}

std::ostream& CM_TokRule::print(std::ostream& out) const {
  // A rule without condition is silent.
  if (condition == nullptr) return out;
  out << "(" << ttl << " ";
  condition->print(out);
  printEach(out, directives);
  return out << ")";
}

void CM_TokRule::printPretty(std::ostream& out, std::string lineHeader) const {
  if (condition == nullptr) return;
  out << lineHeader << "for " << ttl << " cycles, if" << std::endl;
  condition->printPretty(out, lineHeader + " +");
  out << lineHeader << "then" << std::endl;
  printPrettyEach(out, directives, lineHeader + " *");
}

int CM_TokRule::getType() const {
  return 1;
}

void CM_TokRule::setCondition(std::unique_ptr<CM_Condition> newCondition) {
  condition = std::move(newCondition);
}

std::unique_ptr<CM_Condition> CM_TokRule::releaseCondition() {
  return std::move(condition);
}

void CM_TokRule::setDirectives(DirectiveList newDirectives) {
  directives.clear();
  directives = std::move(newDirectives);
}
