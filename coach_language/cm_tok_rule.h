// Rule token: directives that apply while a condition holds, for a time to
// live in cycles. The rule owns its condition and directives.
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "coach_language/cm_condition.h"
#include "coach_language/cm_directive.h"
#include "coach_language/cm_token.h"

class CM_TokRule : public CM_Token {
 public:
  // No directives; takes ownership of `condition` (may be empty).
  CM_TokRule(int ttl, std::unique_ptr<CM_Condition> condition);
  // Takes ownership of the condition and the directives, in the order given.
  CM_TokRule(int ttl, std::unique_ptr<CM_Condition> condition, DirectiveList directives);
  ~CM_TokRule() override = default;

  // "(ttl condition d1 d2 ...)"; nothing at all without a condition.
  std::ostream& print(std::ostream& out) const override;
  // header "for ttl cycles, if", the condition under header + " +", header "then",
  // each directive under header + " *"; nothing at all without a condition.
  void printPretty(std::ostream& out, std::string lineHeader) const override;
  // 1
  int getType() const override;

  int getTtl() const { return ttl; }
  void setTtl(int newTtl) { ttl = newTtl; }
  // The condition, or nullptr; the rule keeps ownership.
  CM_Condition* getCondition() const { return condition.get(); }
  // Replaces the condition; the previous one is destroyed.
  void setCondition(std::unique_ptr<CM_Condition> newCondition);
  // Hands the condition to the caller; the rule then holds none.
  std::unique_ptr<CM_Condition> releaseCondition();
  const DirectiveList& getDirectives() const { return directives; }
  // Replaces the list; the previous directives are destroyed first.
  void setDirectives(DirectiveList newDirectives);

 private:
  int ttl;
  std::unique_ptr<CM_Condition> condition;
  DirectiveList directives;
};
