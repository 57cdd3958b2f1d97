// Meta message: meta tokens about the conversation itself, sent as "(meta ...)".
#pragma once

#include <ostream>
#include <string>

#include "coach_language/cm_meta_token.h"
#include "coach_language/cm_token_list_message.h"

// The token list and its accessors (getTokens, setTokens, releaseTokens) come
// from CM_TokenListMessage.
class CM_MetaMessage : public CM_TokenListMessage<MetaTokenList> {
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
};
