// Advice message: rules telling the own players what to do, sent as "(advice ...)".
#pragma once

#include <ostream>
#include <string>

#include "coach_language/cm_token.h"
#include "coach_language/cm_token_list_message.h"

// The token list and its accessors (getTokens, setTokens, releaseTokens) come
// from CM_TokenListMessage.
class CM_AdviceMessage : public CM_TokenListMessage<TokenList> {
 public:
  // No tokens.
  CM_AdviceMessage() = default;
  // Takes ownership of the tokens, in the order given.
  explicit CM_AdviceMessage(TokenList tokens);
  ~CM_AdviceMessage() override = default;

  // "(advice t1 t2 ...)"; every token gets its blank, even one that prints nothing.
  std::ostream& print(std::ostream& out) const override;
  // header "Advice" and a line end, then each token under header + " - ".
  void printPretty(std::ostream& out, std::string lineHeader) const override;
  // 2
  int getType() const override;
};
