// Info message: rules describing the game (what the opponent does), sent as "(info ...)".
#pragma once

#include <ostream>
#include <string>

#include "coach_language/cm_token.h"
#include "coach_language/cm_token_list_message.h"

// The token list and its accessors (getTokens, setTokens, releaseTokens) come
// from CM_TokenListMessage.
class CM_InfoMessage : public CM_TokenListMessage<TokenList> {
 public:
  // No tokens.
  CM_InfoMessage() = default;
  // Takes ownership of the tokens, in the order given.
  explicit CM_InfoMessage(TokenList tokens);
  ~CM_InfoMessage() override = default;

  // "(info t1 t2 ...)"; every token gets its blank, even one that prints nothing.
  std::ostream& print(std::ostream& out) const override;
  // header "Info" and a line end, then each token under header + " - ".
  void printPretty(std::ostream& out, std::string lineHeader) const override;
  // 3
  int getType() const override;
};
