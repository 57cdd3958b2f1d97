// Shared part of the messages that carry an ordered list of owned tokens (info,
// advice, meta and define): the list and its accessors. Each concrete message
// adds its own text forms and kind code.
#pragma once

#include <utility>

#include "coach_language/cm_message.h"

template <class List>
class CM_TokenListMessage : public CM_Message {
 public:
  const List& getTokens() const { return tokens; }
  // Replaces the list; the previous tokens are destroyed first.
  void setTokens(List newTokens) {
    tokens.clear();
    tokens = std::move(newTokens);
  }
  // Empties the list without destroying the tokens and hands them to the caller.
  List releaseTokens() {
    List released = std::move(tokens);
    tokens.clear();
    return released;
  }

 protected:
  // No tokens.
  CM_TokenListMessage() = default;
  // Takes ownership of the tokens, in the order given.
  explicit CM_TokenListMessage(List tokens) : tokens(std::move(tokens)) {}

 private:
  List tokens;
};
