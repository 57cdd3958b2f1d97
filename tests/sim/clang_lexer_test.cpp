// Tests of the coach-language reader: numbers only in the %g form a float prints in, integers
// only as an int prints, and the first error kept with its position.
#include "sim/clang_lexer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

TEST(ClangLexerFloat, AcceptsTheGForm) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"10.5", 10.5},
      {"-34", -34},
      {"0", 0},
      {"-0", -0.0},
      {"0.333333", 0.333333},
      {"9.54545", 9.54545},
      {"1.23457e+08", 1.23457e+08},
      {"1e-05", 1e-05},
      {"0.0001", 0.0001},
      {"-2.5e+10", -2.5e+10},
      {"123456", 123456},
      {"1e+06", 1e+06},
  };
  for (const Case& c : cases) {
    std::string text = std::string(c.text) + ")";
    ClangLexer lexer(text);
    double value = 99;
    EXPECT_TRUE(lexer.readFloat(value)) << c.text << ": " << lexer.error();
    EXPECT_EQ(value, c.value) << c.text;
    EXPECT_EQ(std::signbit(value), std::signbit(c.value)) << c.text;
    EXPECT_EQ(lexer.peek(), ')') << c.text;
  }
}

// Every float, widened and printed with %g, reads back as the same text.
TEST(ClangLexerFloat, AcceptsWhatAFloatPrints) {
  const float values[] = {105.0f / 11, -52.5f, 0.1f, 1e-7f, 3.4e38f, -1.17549435e-38f, 34.0f};
  for (float f : values) {
    char text[64];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(f));
    ClangLexer lexer(text);
    double value = 0;
    EXPECT_TRUE(lexer.readFloat(value)) << text << ": " << lexer.error();
    EXPECT_TRUE(lexer.atEnd()) << text;
  }
}

TEST(ClangLexerFloat, RefusesOtherSpellings) {
  const char* cases[] = {"10.50", "1.0", "1.",    ".5",       "+1",  "1e5", "1e+5",     "1E+05",
                         "inf",   "nan", "-",     "0x10",     "1,5", "00",  "1.234567", "-0.0",
                         "1e+39", "",    "1.5.5", "123456.7", "abc", "1e-5"};
  for (const char* text : cases) {
    std::string region = std::string("(pt ") + text + " 1)";
    ClangLexer lexer(region);
    lexer.skip(4);
    double value = 7;
    EXPECT_FALSE(lexer.readFloat(value)) << text;
    EXPECT_EQ(value, 7) << text;
    EXPECT_EQ(lexer.errorPosition(), 4u) << text;
    EXPECT_EQ(lexer.position(), 4u) << text;
  }
}

TEST(ClangLexerInteger, AcceptsDecimalIntegersOnly) {
  struct Case {
    const char* text;
    bool ok;
    int value;
  };
  const Case cases[] = {
      {"0", true, 0},           {"17", true, 17},
      {"-5", true, -5},         {"2147483647", true, 2147483647},
      {"+1", false, 0},         {"01", false, 0},
      {"-0", false, 0},         {"1.0", false, 0},
      {"2147483648", false, 0}, {"", false, 0},
      {"-", false, 0},          {"1e2", false, 0},
  };
  for (const Case& c : cases) {
    std::string text = std::string(c.text) + "}";
    ClangLexer lexer(text);
    int value = 42;
    EXPECT_EQ(lexer.readInteger(value), c.ok) << c.text;
    EXPECT_EQ(value, c.ok ? c.value : 42) << c.text;
  }
}

TEST(ClangLexerErrors, KeepsTheFirstWithItsPosition) {
  ClangLexer lexer("(ab", 5);
  EXPECT_TRUE(lexer.expect('('));
  std::string word;
  lexer.readWord(word);
  EXPECT_EQ(word, "ab");
  EXPECT_FALSE(lexer.expect(')'));
  EXPECT_EQ(lexer.error(), "message ends early, expected ')' at position 8");
  EXPECT_FALSE(lexer.fail("later error", 0));
  EXPECT_EQ(lexer.error(), "message ends early, expected ')' at position 8");
  EXPECT_EQ(lexer.errorPosition(), 8u);

  ClangLexer other("x");
  EXPECT_FALSE(other.expect('('));
  EXPECT_EQ(other.error(), "expected '(' at position 0");
}

}  // namespace
