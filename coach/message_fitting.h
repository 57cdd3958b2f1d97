// Keeping a coach-language message within one say command: the send buffer
// holds at most 5119 characters, so rules that would push "(say ...)" past that
// are left out rather than losing the whole message.
#pragma once

#include <cstddef>

#include "coach_language/cm_token.h"

class CM_Message;

// Longest "(say ...)" text the send buffer holds (its 5120 bytes less the zero byte).
constexpr std::size_t MAX_SAY_LENGTH = 5119;

// The tokens, in their order, that can be added to message (as it stands,
// normally empty) with "(say " + its text + ")" staying within MAX_SAY_LENGTH:
// each token that would pass the limit is left out and later ones are still
// tried. When any were left out, writes "Warning, left out N rules that did not
// fit into one message." to standard error. The left-out tokens are destroyed.
TokenList fitTokens(TokenList tokens, const CM_Message& message);
