// Text forms of the info message.
#include "coach_language/cm_info_message.h"

#include <utility>

#include "coach_language/print_helpers.h"

CM_InfoMessage::CM_InfoMessage(TokenList tokens) : CM_TokenListMessage(std::move(tokens)) {}

std::ostream& CM_InfoMessage::print(std::ostream& out) const {
  return printListForm(out, "info", getTokens());
}

void CM_InfoMessage::printPretty(std::ostream& out, std::string lineHeader) const {
  printPrettyListForm(out, lineHeader, "Info", getTokens(), " - ");
}

int CM_InfoMessage::getType() const {
  return 3;
}
