// Recursive-descent parser of one coach-language message in the exact forms the coach prints;
// builds the parsed tree or leaves the first error in the lexer.
#pragma once

#include <memory>

#include "sim/clang_lexer.h"
#include "sim/clang_tree.h"

// Deepest nesting of conditions and regions accepted; deeper text is refused (keeps the
// recursion bounded on hostile input).
constexpr int CLANG_MAX_NESTING = 64;

// Parses one message from the lexer's current position up to its closing parenthesis, without
// the length limits of the whole text (clang_check.h applies them). Returns the message, or an
// empty pointer with the first error recorded in `lexer`. Text after the message is not read.
// `kind` is set as soon as the message keyword is known.
std::unique_ptr<ClangMessage> parseClangMessage(ClangLexer& lexer, ClangMessageKind& kind);
