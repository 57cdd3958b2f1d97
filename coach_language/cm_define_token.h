// Base of the tokens a define message carries (definitions); no kind of them exists yet.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

class CM_DefineToken {
 public:
  CM_DefineToken() = default;
  CM_DefineToken(const CM_DefineToken&) = delete;
  CM_DefineToken& operator=(const CM_DefineToken&) = delete;
  virtual ~CM_DefineToken() = default;

  // Writes the protocol form to `out` and returns `out`.
  virtual std::ostream& print(std::ostream& out) const = 0;
  // Writes the readable form, `lineHeader` at the start of every line.
  virtual void printPretty(std::ostream& out, std::string lineHeader) const = 0;
};

// An ordered list of owned definition tokens.
using DefineTokenList = std::vector<std::unique_ptr<CM_DefineToken>>;

// Writes the protocol form of `token` and yields the stream.
std::ostream& operator<<(std::ostream& out, const CM_DefineToken& token);
