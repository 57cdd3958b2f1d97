// Fitting tokens into one say command.
#include "coach/message_fitting.h"

#include <iostream>
#include <sstream>
#include <utility>

#include "coach_language/cm_message.h"

namespace {

template <typename T>
std::size_t printedLength(const T& object) {
  std::ostringstream text;
  object.print(text);
  return text.str().size();
}

}  // namespace

TokenList fitTokens(TokenList tokens, const CM_Message& message) {
  // "(say " + message + ")"; every token adds a blank and its text.
  std::size_t length = 5 + printedLength(message) + 1;
  TokenList kept;
  int leftOut = 0;
  for (std::unique_ptr<CM_Token>& token : tokens) {
    const std::size_t extra = 1 + printedLength(*token);
    if (length + extra > MAX_SAY_LENGTH) {
      ++leftOut;
      continue;
    }
    length += extra;
    kept.push_back(std::move(token));
  }
  if (leftOut > 0) {
    std::cerr << "Warning, left out " << leftOut << " rules that did not fit into one message."
              << std::endl;
  }
  return kept;
}
