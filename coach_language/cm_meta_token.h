// Base of the tokens a meta message carries; no kind of them exists yet.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

class CM_MetaToken {
 public:
  CM_MetaToken() = default;
  CM_MetaToken(const CM_MetaToken&) = delete;
  CM_MetaToken& operator=(const CM_MetaToken&) = delete;
  virtual ~CM_MetaToken() = default;

  // Writes the protocol form to `out` and returns `out`.
  virtual std::ostream& print(std::ostream& out) const = 0;
  // Writes the readable form, `lineHeader` at the start of every line.
  virtual void printPretty(std::ostream& out, std::string lineHeader) const = 0;
};

// An ordered list of owned meta tokens.
using MetaTokenList = std::vector<std::unique_ptr<CM_MetaToken>>;

// Writes the protocol form of `token` and yields the stream.
std::ostream& operator<<(std::ostream& out, const CM_MetaToken& token);
