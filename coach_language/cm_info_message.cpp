// Text forms and token-list accessors of the info message.
#include "coach_language/cm_info_message.h"

#include <utility>

#include "coach_language/print_helpers.h"

CM_InfoMessage::CM_InfoMessage(TokenList tokens) : tokens(std::move(tokens)) {}

std::ostream& CM_InfoMessage::print(std::ostream& out) const {
  out << "(info";
  printEach(out, tokens);
  return out << ")";
}

void CM_InfoMessage::printPretty(std::ostream& out, std::string lineHeader) const {
  out << lineHeader << "Info" << std::endl;
  printPrettyEach(out, tokens, lineHeader + " - ");
}

int CM_InfoMessage::getType() const {
  return 3;
}

void CM_InfoMessage::setTokens(TokenList newTokens) {
  tokens.clear();
  tokens = std::move(newTokens);
}

TokenList CM_InfoMessage::releaseTokens() {
  TokenList released = std::move(tokens);
  tokens.clear();
  return released;
}
