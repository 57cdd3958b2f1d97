// Info message: rules describing the game (what the opponent does), sent as "(info ...)".
#pragma once

#include <ostream>
#include <string>

#include "coach_language/cm_message.h"
#include "coach_language/cm_token.h"

class CM_InfoMessage : public CM_Message {
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

  const TokenList& getTokens() const { return tokens; }
  // Replaces the list; the previous tokens are destroyed first.
  void setTokens(TokenList newTokens);
  // Empties the list without destroying the tokens and hands them to the caller.
  TokenList releaseTokens();

 private:
  TokenList tokens;
};
