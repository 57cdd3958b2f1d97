// Text forms of the advice message.
#include "coach_language/cm_advice_message.h"

#include <utility>

#include "coach_language/print_helpers.h"

CM_AdviceMessage::CM_AdviceMessage(TokenList tokens) : CM_TokenListMessage(std::move(tokens)) {}

std::ostream& CM_AdviceMessage::print(std::ostream& out) const {
  return printListForm(out, "advice", getTokens());
}

void CM_AdviceMessage::printPretty(std::ostream& out, std::string lineHeader) const {
  printPrettyListForm(out, lineHeader, "Advice", getTokens(), " - ");
}

int CM_AdviceMessage::getType() const {
  return 2;
}
