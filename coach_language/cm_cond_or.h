// Condition: at least one of an ordered list of owned sub-conditions holds.
#pragma once

#include <ostream>
#include <string>

#include "coach_language/cm_cond_group.h"

// The sub-condition list and its accessors (getConditions, setConditions) come
// from CM_CondGroup.
class CM_CondOr : public CM_CondGroup {
 public:
  // No sub-conditions.
  CM_CondOr() = default;
  // Takes ownership of the sub-conditions, in the order given.
  explicit CM_CondOr(ConditionList conditions);
  ~CM_CondOr() override = default;

  // "(or c1 c2 ...)"
  std::ostream& print(std::ostream& out) const override;
  // header "or" and a line end, then each sub-condition under header + " +".
  void printPretty(std::ostream& out, std::string lineHeader) const override;
  // 7
  int getType() const override;
  // True at the first sub-condition that is true, else false (also with none).
  bool evaluate() const override;
};
