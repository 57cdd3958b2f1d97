// Strict check of the coach-language text a coach sends in "(say ...)": a verdict with the
// first error and where it is, and for a valid message its parsed tree.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "sim/clang_tree.h"

// Longest message text accepted, and longest freeform text.
constexpr std::size_t CLANG_MAX_MESSAGE_LENGTH = 8154;
constexpr std::size_t CLANG_MAX_FREEFORM_LENGTH = 128;

// Outcome of checking one message.
struct ClangVerdict {
  bool valid = false;
  // Empty when valid, else what is wrong and where, e.g. "expected ')' at position 17".
  std::string error;
  // Character index (from 0) of the first error in the checked text; 0 when valid.
  std::size_t errorPosition = 0;
  // The message kind, known as soon as the keyword was read (also for an invalid message).
  ClangMessageKind kind = ClangMessageKind::Unknown;
  int ruleCount = 0;  // rules of a valid info or advice message
  // The parsed message when valid, else empty.
  std::unique_ptr<ClangMessage> message;
};

// Checks the text inside "(say ...)", e.g. "(info (100 (bowner opp {0}) (do our {3} (mark
// {7}))))". The text must be exactly one message in the forms the coach prints: single blanks
// between the parts, numbers in %g form, no blank at either end. Rules need at least one
// directive, directives exactly one action, player sets at least one number (0 to 11); the
// text may hold at most CLANG_MAX_MESSAGE_LENGTH characters, a freeform text at most
// CLANG_MAX_FREEFORM_LENGTH.
ClangVerdict checkSayMessage(std::string_view text);

// Checks a whole "(say MESSAGE)" command: it must begin with "(say " and end with ")"; the
// message between is checked by checkSayMessage. Error positions count from the start of the
// command.
ClangVerdict checkSayCommand(std::string_view command);
