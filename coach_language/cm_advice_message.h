// Advice message: rules telling the own players what to do, sent as "(advice ...)".
#pragma once

#include <ostream>
#include <string>

#include "coach_language/cm_message.h"
#include "coach_language/cm_token.h"

class CM_AdviceMessage : public CM_Message {
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

  const TokenList& getTokens() const { return tokens; }
  // Replaces the list; the previous tokens are destroyed first.
  void setTokens(TokenList newTokens);
  // Empties the list without destroying the tokens and hands them to the caller.
  TokenList releaseTokens();

 private:
  TokenList tokens;
};
