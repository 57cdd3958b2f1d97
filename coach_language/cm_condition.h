// Base of the conditions: when a rule applies.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

class CM_Condition {
 public:
  CM_Condition() = default;
  CM_Condition(const CM_Condition&) = delete;
  CM_Condition& operator=(const CM_Condition&) = delete;
  virtual ~CM_Condition() = default;

  // Writes the protocol form to `out` and returns `out`.
  virtual std::ostream& print(std::ostream& out) const = 0;
  // Writes the readable form, `lineHeader` at the start of every line.
  virtual void printPretty(std::ostream& out, std::string lineHeader) const = 0;
  // Kind code: 2 player position, 4 ball owner, 5 play mode, 6 and, 7 or.
  virtual int getType() const = 0;
  // Whether the condition holds; the simple conditions always hold.
  virtual bool evaluate() const = 0;
};

// An ordered list of owned conditions (the parts of an and/or condition).
using ConditionList = std::vector<std::unique_ptr<CM_Condition>>;

// Writes the protocol form of `condition` and yields the stream.
std::ostream& operator<<(std::ostream& out, const CM_Condition& condition);
