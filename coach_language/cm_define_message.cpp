// Text forms and token-list accessors of the define message.
#include "coach_language/cm_define_message.h"

#include <utility>

#include "coach_language/print_helpers.h"

CM_DefineMessage::CM_DefineMessage(DefineTokenList tokens) : tokens(std::move(tokens)) {}

std::ostream& CM_DefineMessage::print(std::ostream& out) const {
  out << "(define";
  printEach(out, tokens);
  return out << ")";
}

void CM_DefineMessage::printPretty(std::ostream& out, std::string lineHeader) const {
  out << lineHeader << "Define" << std::endl;
  printPrettyEach(out, tokens, lineHeader + " - ");
}

int CM_DefineMessage::getType() const {
  return 4;
}

void CM_DefineMessage::setTokens(DefineTokenList newTokens) {
  tokens.clear();
  tokens = std::move(newTokens);
}

DefineTokenList CM_DefineMessage::releaseTokens() {
  DefineTokenList released = std::move(tokens);
  tokens.clear();
  return released;
}
