// Character-level reader for coach-language text: exact single characters, keywords, numbers in
// the %g form the coach prints and decimal integers, keeping the first error and its position.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class ClangLexer {
 public:
  // Reads `text`, which must outlive the lexer (it is not copied); positions in errors are
  // `base` plus the index into `text`.
  explicit ClangLexer(std::string_view text, std::size_t base = 0);

  std::size_t position() const { return pos_; }
  bool atEnd() const { return pos_ >= text_.size(); }
  // The next character, or '\0' at the end.
  char peek() const { return atEnd() ? '\0' : text_[pos_]; }
  // The text not read yet.
  std::string_view rest() const { return text_.substr(pos_); }
  // Moves `count` characters on (at most to the end).
  void skip(std::size_t count);

  bool failed() const { return failed_; }
  // "<what> at position <N>" of the first failure; empty while none.
  const std::string& error() const { return error_; }
  std::size_t errorPosition() const { return errorPos_; }

  // Records `what` at index `at` of the text unless an error is already recorded; returns false.
  bool fail(const std::string& what, std::size_t at);
  // The same at the current position.
  bool fail(const std::string& what) { return fail(what, pos_); }

  // Consumes `c`, or fails with "expected 'c'" ("message ends early, expected 'c'" at the end).
  bool expect(char c);
  // Reads a run of lower-case letters and underscores (possibly empty) into `word`.
  void readWord(std::string& word);
  // Reads a number written as %g writes a 32-bit float widened to double: "10.5", "-34", "-0",
  // "0.333333", "1.23457e+08". Fails on anything else (other spellings, inf, nan, too large).
  bool readFloat(double& value);
  // Reads a decimal integer as an int is printed: "0", "17", "-5" (no sign "+", no leading zeros).
  bool readInteger(int& value);

 private:
  // The run of characters from the current position up to a blank, parenthesis, brace, quote
  // or the end.
  std::string_view token() const;

  std::string_view text_;
  std::size_t base_;
  std::size_t pos_ = 0;
  bool failed_ = false;
  std::string error_;
  std::size_t errorPos_ = 0;
};
