// Define message: definition tokens, sent as "(define ...)".
#pragma once

#include <ostream>
#include <string>

#include "coach_language/cm_define_token.h"
#include "coach_language/cm_token_list_message.h"

// The token list and its accessors (getTokens, setTokens, releaseTokens) come
// from CM_TokenListMessage.
class CM_DefineMessage : public CM_TokenListMessage<DefineTokenList> {
 public:
  // No tokens.
  CM_DefineMessage() = default;
  // Takes ownership of the tokens, in the order given.
  explicit CM_DefineMessage(DefineTokenList tokens);
  ~CM_DefineMessage() override = default;

  // "(define t1 t2 ...)"
  std::ostream& print(std::ostream& out) const override;
  // header "Define" and a line end, then each token under header + " - ".
  void printPretty(std::ostream& out, std::string lineHeader) const override;
  // 4
  int getType() const override;
};
