// Text forms and token-list accessors of the meta message.
#include "coach_language/cm_meta_message.h"

#include <utility>

#include "coach_language/print_helpers.h"

CM_MetaMessage::CM_MetaMessage(MetaTokenList tokens) : tokens(std::move(tokens)) {}

std::ostream& CM_MetaMessage::print(std::ostream& out) const {
  out << "(meta";
  printEach(out, tokens);
  return out << ")";
}

void CM_MetaMessage::printPretty(std::ostream& out, std::string lineHeader) const {
  out << lineHeader << "Meta" << std::endl;
  printPrettyEach(out, tokens, lineHeader + " - ");
}

int CM_MetaMessage::getType() const {
  return 0;
}

void CM_MetaMessage::setTokens(MetaTokenList newTokens) {
  tokens.clear();
  tokens = std::move(newTokens);
}

MetaTokenList CM_MetaMessage::releaseTokens() {
  MetaTokenList released = std::move(tokens);
  tokens.clear();
  return released;
}
