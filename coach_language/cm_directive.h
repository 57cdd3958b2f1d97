// Base of the directives: tell players of one team to do or not to do an action.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

class CM_Directive {
 public:
  CM_Directive() = default;
  CM_Directive(const CM_Directive&) = delete;
  CM_Directive& operator=(const CM_Directive&) = delete;
  virtual ~CM_Directive() = default;

  // Writes the protocol form to `out` and returns `out`.
  virtual std::ostream& print(std::ostream& out) const = 0;
  // Writes the readable form, `lineHeader` at the start of every line.
  virtual void printPretty(std::ostream& out, std::string lineHeader) const = 0;
  // Kind code: 0 command.
  virtual int getType() const = 0;
};

// An ordered list of owned directives (what a rule advises).
using DirectiveList = std::vector<std::unique_ptr<CM_Directive>>;

// Writes the protocol form of `directive` and yields the stream.
std::ostream& operator<<(std::ostream& out, const CM_Directive& directive);
