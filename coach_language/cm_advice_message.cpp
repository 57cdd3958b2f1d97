// Text forms and token-list accessors of the advice message.
#include "coach_language/cm_advice_message.h"

#include <utility>

#include "coach_language/print_helpers.h"

CM_AdviceMessage::CM_AdviceMessage(TokenList tokens) : tokens(std::move(tokens)) {}

std::ostream& CM_AdviceMessage::print(std::ostream& out) const {
  out << "(advice";
  printEach(out, tokens);
  return out << ")";
}

void CM_AdviceMessage::printPretty(std::ostream& out, std::string lineHeader) const {
  out << lineHeader << "Advice" << std::endl;
  printPrettyEach(out, tokens, lineHeader + " - ");
}

int CM_AdviceMessage::getType() const {
  return 2;
}

void CM_AdviceMessage::setTokens(TokenList newTokens) {
  tokens.clear();
  tokens = std::move(newTokens);
}

TokenList CM_AdviceMessage::releaseTokens() {
  TokenList released = std::move(tokens);
  tokens.clear();
  return released;
}
