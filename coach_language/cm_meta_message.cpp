// Text forms of the meta message.
#include "coach_language/cm_meta_message.h"

#include <utility>

#include "coach_language/print_helpers.h"

CM_MetaMessage::CM_MetaMessage(MetaTokenList tokens) : CM_TokenListMessage(std::move(tokens)) {}

std::ostream& CM_MetaMessage::print(std::ostream& out) const {
  return printListForm(out, "meta", getTokens());
}

void CM_MetaMessage::printPretty(std::ostream& out, std::string lineHeader) const {
  printPrettyListForm(out, lineHeader, "Meta", getTokens(), " - ");
}

int CM_MetaMessage::getType() const {
  return 0;
}
