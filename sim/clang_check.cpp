// Verdict on the coach-language text of a say command (see clang_check.h).
#include "sim/clang_check.h"

#include "sim/clang_lexer.h"
#include "sim/clang_parser.h"

namespace {

ClangVerdict check(std::string_view text, std::size_t base) {
  ClangVerdict verdict;
  ClangLexer lexer(text, base);
  if (text.size() > CLANG_MAX_MESSAGE_LENGTH) {
    lexer.fail("message of " + std::to_string(text.size()) + " characters is longer than " +
                   std::to_string(CLANG_MAX_MESSAGE_LENGTH),
               CLANG_MAX_MESSAGE_LENGTH);
  } else {
    auto message = parseClangMessage(lexer, verdict.kind);
    if (message && !lexer.atEnd()) lexer.fail("text after the end of the message");
    if (message && !lexer.failed()) {
      verdict.valid = true;
      verdict.ruleCount = static_cast<int>(message->rules.size());
      verdict.message = std::move(message);
      return verdict;
    }
  }
  verdict.error = lexer.error();
  verdict.errorPosition = lexer.errorPosition();
  return verdict;
}

}  // namespace

ClangVerdict checkSayMessage(std::string_view text) {
  return check(text, 0);
}

ClangVerdict checkSayCommand(std::string_view command) {
  constexpr std::string_view PREFIX = "(say ";
  if (command.substr(0, PREFIX.size()) != PREFIX || command.size() < PREFIX.size() + 1 ||
      command.back() != ')') {
    ClangVerdict verdict;
    verdict.error = "not a say command \"(say ...)\" at position 0";
    return verdict;
  }
  return check(command.substr(PREFIX.size(), command.size() - PREFIX.size() - 1), PREFIX.size());
}
