// Condition: every one of an ordered list of owned sub-conditions holds.
#pragma once

#include <ostream>
#include <string>

#include "coach_language/cm_cond_group.h"

// The sub-condition list and its accessors (getConditions, setConditions) come
// from CM_CondGroup.
class CM_CondAnd : public CM_CondGroup {
 public:
  // No sub-conditions.
  CM_CondAnd() = default;
  // Takes ownership of the sub-conditions, in the order given.
  explicit CM_CondAnd(ConditionList conditions);
  ~CM_CondAnd() override = default;

  // "(and c1 c2 ...)"
  std::ostream& print(std::ostream& out) const override;
  // header "and" and a line end, then each sub-condition under header + " +".
  void printPretty(std::ostream& out, std::string lineHeader) const override;
  // 6
  int getType() const override;
  // False at the first sub-condition that is false, else true (also with none).
  bool evaluate() const override;
};
