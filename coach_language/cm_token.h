// Base of the tokens a message carries (rules).
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

class CM_Token {
 public:
  CM_Token() = default;
  CM_Token(const CM_Token&) = delete;
  CM_Token& operator=(const CM_Token&) = delete;
  virtual ~CM_Token() = default;

  // Writes the protocol form to `out` and returns `out`.
  virtual std::ostream& print(std::ostream& out) const = 0;
  // Writes the readable form, `lineHeader` at the start of every line.
  virtual void printPretty(std::ostream& out, std::string lineHeader) const = 0;
  // Kind code: 1 rule.
  virtual int getType() const = 0;
};

// An ordered list of owned tokens (the contents of an info or advice message).
using TokenList = std::vector<std::unique_ptr<CM_Token>>;

// Writes the protocol form of `token` and yields the stream.
std::ostream& operator<<(std::ostream& out, const CM_Token& token);
