// Character-level reader for coach-language text (see clang_lexer.h).
#include "sim/clang_lexer.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

// Builds "<before><token><after>" step by step; g++ 12 gives a false -Wrestrict
// warning on the chained operator+ form at -O3.
std::string quotedToken(const char* before, std::string_view token, const char* after) {
  std::string text = before;
  text += token;
  text += after;
  return text;
}

}  // namespace

ClangLexer::ClangLexer(std::string_view text, std::size_t base) : text_(text), base_(base) {}

void ClangLexer::skip(std::size_t count) {
  pos_ = count > text_.size() - pos_ ? text_.size() : pos_ + count;
}

bool ClangLexer::fail(const std::string& what, std::size_t at) {
  if (!failed_) {
    failed_ = true;
    errorPos_ = base_ + at;
    error_ = what + " at position " + std::to_string(errorPos_);
  }
  return false;
}

bool ClangLexer::expect(char c) {
  if (atEnd()) return fail(std::string("message ends early, expected '") + c + "'");
  if (text_[pos_] != c) return fail(std::string("expected '") + c + "'");
  ++pos_;
  return true;
}

void ClangLexer::readWord(std::string& word) {
  std::size_t end = pos_;
  while (end < text_.size() && ((text_[end] >= 'a' && text_[end] <= 'z') || text_[end] == '_')) {
    ++end;
  }
  word.assign(text_.substr(pos_, end - pos_));
  pos_ = end;
}

std::string_view ClangLexer::token() const {
  std::size_t end = pos_;
  while (end < text_.size()) {
    char c = text_[end];
    if (c == ' ' || c == '(' || c == ')' || c == '{' || c == '}' || c == '"') break;
    ++end;
  }
  return text_.substr(pos_, end - pos_);
}

bool ClangLexer::readFloat(double& value) {
  std::string_view tok = token();
  if (tok.empty()) {
    return fail(atEnd() ? "message ends early, expected a number" : "expected a number");
  }
  double parsed = 0;
  auto [end, ec] = std::from_chars(tok.data(), tok.data() + tok.size(), parsed);
  if (ec == std::errc() && end == tok.data() + tok.size() && std::isfinite(parsed)) {
    char canonical[64];
    std::snprintf(canonical, sizeof canonical, "%g", parsed);
    if (tok == canonical) {
      if (std::fabs(parsed) > FLT_MAX) return fail(quotedToken("number '", tok, "' too large"));
      value = parsed;
      pos_ += tok.size();
      return true;
    }
  }
  return fail(quotedToken("'", tok, "' is not a number in %g form"));
}

bool ClangLexer::readInteger(int& value) {
  std::string_view tok = token();
  if (tok.empty()) {
    return fail(atEnd() ? "message ends early, expected an integer" : "expected an integer");
  }
  std::string_view digits = tok[0] == '-' ? tok.substr(1) : tok;
  bool wellFormed = !digits.empty() && (digits[0] != '0' || digits.size() == 1) &&
                    !(tok[0] == '-' && digits == "0");
  int parsed = 0;
  if (wellFormed) {
    auto [end, ec] = std::from_chars(tok.data(), tok.data() + tok.size(), parsed);
    wellFormed = ec == std::errc() && end == tok.data() + tok.size();
  }
  if (!wellFormed) return fail(quotedToken("'", tok, "' is not an integer"));
  value = parsed;
  pos_ += tok.size();
  return true;
}
