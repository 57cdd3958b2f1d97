// Base of the actions: what a directive advises players to do.
#pragma once

#include <ostream>
#include <string>

class CM_Action {
 public:
  CM_Action() = default;
  CM_Action(const CM_Action&) = delete;
  CM_Action& operator=(const CM_Action&) = delete;
  virtual ~CM_Action() = default;

  // Writes the protocol form to `out` and returns `out`.
  virtual std::ostream& print(std::ostream& out) const = 0;
  // Writes the readable form, `lineHeader` at the start of every line.
  virtual void printPretty(std::ostream& out, std::string lineHeader) const = 0;
  // Kind code: 0 position, 4 mark, 7 offside line.
  virtual int getType() const = 0;
};

// Writes the protocol form of `action` and yields the stream.
std::ostream& operator<<(std::ostream& out, const CM_Action& action);
