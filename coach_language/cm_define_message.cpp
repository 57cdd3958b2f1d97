// Text forms of the define message.
#include "coach_language/cm_define_message.h"

#include <utility>

#include "coach_language/print_helpers.h"

CM_DefineMessage::CM_DefineMessage(DefineTokenList tokens)
    : CM_TokenListMessage(std::move(tokens)) {}

std::ostream& CM_DefineMessage::print(std::ostream& out) const {
  return printListForm(out, "define", getTokens());
}

void CM_DefineMessage::printPretty(std::ostream& out, std::string lineHeader) const {
  printPrettyListForm(out, lineHeader, "Define", getTokens(), " - ");
}

int CM_DefineMessage::getType() const {
  return 4;
}
