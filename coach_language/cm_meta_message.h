// Meta message: meta tokens about the conversation itself, sent as "(meta ...)".
#pragma once

#include <ostream>
#include <string>

#include "coach_language/cm_message.h"
#include "coach_language/cm_meta_token.h"

class CM_MetaMessage : public CM_Message {
 public:
  // No tokens.
  CM_MetaMessage() = default;
  // Takes ownership of the tokens, in the order given.
  explicit CM_MetaMessage(MetaTokenList tokens);
  ~CM_MetaMessage() override = default;

  // "(meta t1 t2 ...)"
  std::ostream& print(std::ostream& out) const override;
  // header "Meta" and a line end, then each token under header + " - ".
  void printPretty(std::ostream& out, std::string lineHeader) const override;
  // 0
  int getType() const override;

  const MetaTokenList& getTokens() const { return tokens; }
  // Replaces the list; the previous tokens are destroyed first.
  void setTokens(MetaTokenList newTokens);
  // Empties the list without destroying the tokens and hands them to the caller.
  MetaTokenList releaseTokens();

 private:
  MetaTokenList tokens;
};
