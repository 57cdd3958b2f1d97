// Shared part of the and/or conditions: an ordered list of owned
// sub-conditions and its accessors. Each concrete condition adds its own text
// forms, kind code and evaluation.
#pragma once

#include <utility>

#include "coach_language/cm_condition.h"

class CM_CondGroup : public CM_Condition {
 public:
  const ConditionList& getConditions() const { return conditions; }
  // Replaces the list; the previous sub-conditions are destroyed first.
  void setConditions(ConditionList newConditions) {
    conditions.clear();
    conditions = std::move(newConditions);
  }

 protected:
  // No sub-conditions.
  CM_CondGroup() = default;
  // Takes ownership of the sub-conditions, in the order given.
  explicit CM_CondGroup(ConditionList conditions) : conditions(std::move(conditions)) {}

 private:
  ConditionList conditions;
};
