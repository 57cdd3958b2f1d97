// Tests of the readable, indented form of parsed coach-language messages.
#include "sim/clang_pretty.h"

#include <gtest/gtest.h>

#include <string>

#include "sim/clang_check.h"

namespace {

std::string pretty(const std::string& text, const std::string& indent = "") {
  ClangVerdict verdict = checkSayMessage(text);
  EXPECT_TRUE(verdict.valid) << verdict.error;
  return verdict.message ? clangTreeText(*verdict.message, indent) : "";
}

TEST(ClangPretty, OneLinePerNode) {
  EXPECT_EQ(pretty("(info (100 (bowner opp {0}) (do our {3} (mark {7}))))"),
            "info, 1 rule\n"
            "  rule, ttl 100\n"
            "    if ball owner opp {0}\n"
            "    do our {3}\n"
            "      mark {7}\n");
}

TEST(ClangPretty, EveryNodeKindUnderAnIndent) {
  EXPECT_EQ(pretty("(advice (300 (and (playm ck_our) (or (ppos our {2 4} 1 2 (pt 5 6)))) (do our "
                   "{0} (oline (quad (pt -20 -34) (pt -20 -34) (pt -20 34) (pt -20 34)))) (dont "
                   "opp {7 9} (pos (reg (pt 3 4 (pt 1 2)) (arc (pt 0 0) 1 5 -90 180))))) (1800 "
                   "(playm ) (do opp {11} (pos (pt 9.54545 -0)))))",
                   "> "),
            "> advice, 2 rules\n"
            ">   rule, ttl 300\n"
            ">     if and\n"
            ">       play mode 'ck_our'\n"
            ">       or\n"
            ">         players our {2 4}, 1 to 2 of them in\n"
            ">           point (5, 6)\n"
            ">     do our {0}\n"
            ">       offside line at\n"
            ">         quad\n"
            ">           point (-20, -34)\n"
            ">           point (-20, -34)\n"
            ">           point (-20, 34)\n"
            ">           point (-20, 34)\n"
            ">     dont opp {7 9}\n"
            ">       position at\n"
            ">         union\n"
            ">           point (3, 4) from\n"
            ">             point (1, 2)\n"
            ">           arc, radius 1 to 5, angle -90 for 180, around\n"
            ">             point (0, 0)\n"
            ">   rule, ttl 1800\n"
            ">     if play mode ''\n"
            ">     do opp {11}\n"
            ">       position at\n"
            ">         point (9.54545, -0)\n");
}

TEST(ClangPretty, MessagesWithoutRules) {
  EXPECT_EQ(pretty("(freeform \"go \"left\"\")"), "freeform\n  \"go \"left\"\"\n");
  EXPECT_EQ(pretty("(meta)"), "meta\n");
  EXPECT_EQ(pretty("(define)", "  "), "  define\n");
  EXPECT_EQ(pretty("(info)"), "info, 0 rules\n");
}

}  // namespace
