// Tests of the stand-in server's coach-language check: the forms the coach prints are accepted
// with the right tree, everything else is refused with the first error and its position.
#include "sim/clang_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// Wraps a region, condition or action into the smallest info message that holds it.
std::string withRegion(const std::string& region) {
  return "(info (100 (bowner opp {0}) (do our {0} (pos " + region + "))))";
}
std::string withCondition(const std::string& condition) {
  return "(info (100 " + condition + " (do our {3} (mark {7}))))";
}
std::string withAction(const std::string& action) {
  return "(info (100 (bowner opp {0}) (do our {3} " + action + ")))";
}

struct Accepted {
  const char* name;
  std::string text;
  ClangMessageKind kind;
  int rules;
};

TEST(ClangCheckAccepts, EveryPrintedForm) {
  const std::vector<Accepted> cases = {
      {"rule example", "(info (100 (bowner opp {0}) (do our {3} (mark {7}))))",
       ClangMessageKind::Info, 1},
      {"rule with region",
       "(advice (100 (bowner opp {0}) (do our {0} (oline (quad (pt 1 2) (pt 3 4) (pt 5 6) (pt 7 "
       "8))))))",
       ClangMessageKind::Advice, 1},
      {"offside-line rule",
       "(advice (300 (bowner opp {0}) (do our {0} (oline (quad (pt -20 -34) (pt -20 -34) (pt -20 "
       "34) (pt -20 34))))))",
       ClangMessageKind::Advice, 1},
      {"simple point", withRegion("(pt 10.5 -34)"), ClangMessageKind::Info, 1},
      {"quadrangle", withRegion("(quad (pt 0 -34) (pt 10 -34) (pt 10 34) (pt 0 34))"),
       ClangMessageKind::Info, 1},
      {"union", withRegion("(reg (pt 1 2) (pt 3 4))"), ClangMessageKind::Info, 1},
      {"empty union", withRegion("(reg)"), ClangMessageKind::Info, 1},
      {"relative point", withRegion("(pt 3 4 (pt 1 2))"), ClangMessageKind::Info, 1},
      {"relative of relative", withRegion("(pt 3 4 (pt 1 2 (pt 0 0)))"), ClangMessageKind::Info, 1},
      {"arc", withRegion("(arc (pt 0 0) 1 5 -90 180)"), ClangMessageKind::Info, 1},
      {"six digits", withRegion("(pt 9.54545 0.333333)"), ClangMessageKind::Info, 1},
      {"exponent and -0", withRegion("(pt 1.23457e+08 -0)"), ClangMessageKind::Info, 1},
      {"small exponent", withRegion("(pt 1e-05 -2.5e-07)"), ClangMessageKind::Info, 1},
      {"union of all kinds",
       withRegion("(reg (pt 1 2) (quad (pt 0 0) (pt 1 0) (pt 1 1) (pt 0 1)) (arc (pt 0 0) 0 1 0 "
                  "90) (reg))"),
       ClangMessageKind::Info, 1},
      {"mark two", withAction("(mark {7 9})"), ClangMessageKind::Info, 1},
      {"position", withAction("(pos (pt 1 2))"), ClangMessageKind::Info, 1},
      {"offside line", withAction("(oline (pt 1 2))"), ClangMessageKind::Info, 1},
      {"ball owner", withCondition("(bowner opp {0})"), ClangMessageKind::Info, 1},
      {"ball owner our", withCondition("(bowner our {1 5 11})"), ClangMessageKind::Info, 1},
      {"and", withCondition("(and (playm ck_our) (bowner opp {0}))"), ClangMessageKind::Info, 1},
      {"or", withCondition("(or (playm ko_opp) (playm ag_our))"), ClangMessageKind::Info, 1},
      {"empty and", withCondition("(and)"), ClangMessageKind::Info, 1},
      {"empty or", withCondition("(or)"), ClangMessageKind::Info, 1},
      {"play mode 0", withCondition("(playm )"), ClangMessageKind::Info, 1},
      {"player position", withCondition("(ppos our {1 2} 1 3 (pt 0 0))"), ClangMessageKind::Info,
       1},
      {"player position quad",
       withCondition("(ppos opp {0} 0 11 (quad (pt 0 -34) (pt 10 -34) (pt 10 34) (pt 0 34)))"),
       ClangMessageKind::Info, 1},
      {"negative directive", "(info (100 (bowner opp {0}) (dont opp {0} (mark {7}))))",
       ClangMessageKind::Info, 1},
      {"two directives",
       "(info (1800 (playm ck_opp) (do opp {2} (pos (pt 1 2))) (do opp {3} (pos (pt 3 4)))))",
       ClangMessageKind::Info, 1},
      {"two rules",
       "(advice (100 (bowner opp {0}) (do our {3} (mark {7}))) (100 (playm play_on) (do our {4} "
       "(mark {8}))))",
       ClangMessageKind::Advice, 2},
      {"empty info", "(info)", ClangMessageKind::Info, 0},
      {"empty advice", "(advice)", ClangMessageKind::Advice, 0},
      {"meta", "(meta)", ClangMessageKind::Meta, 0},
      {"define", "(define)", ClangMessageKind::Define, 0},
      {"freeform", "(freeform \"pass more\")", ClangMessageKind::Freeform, 0},
      {"empty freeform", "(freeform \"\")", ClangMessageKind::Freeform, 0},
      {"freeform with parentheses", "(freeform \"a (b) \"c\"\")", ClangMessageKind::Freeform, 0},
      {"freeform of 128", "(freeform \"" + std::string(128, 'x') + "\")",
       ClangMessageKind::Freeform, 0},
  };
  for (const Accepted& c : cases) {
    ClangVerdict verdict = checkSayMessage(c.text);
    EXPECT_TRUE(verdict.valid) << c.name << ": " << verdict.error;
    EXPECT_EQ(verdict.error, "") << c.name;
    EXPECT_EQ(verdict.kind, c.kind) << c.name;
    EXPECT_EQ(verdict.ruleCount, c.rules) << c.name;
    ASSERT_NE(verdict.message, nullptr) << c.name;
    EXPECT_EQ(verdict.message->kind, c.kind) << c.name;
  }
}

TEST(ClangCheckAccepts, EveryPlayModeName) {
  const char* names[] = {"bko",    "time_over", "play_on", "ko_our", "ko_opp", "ki_our",
                         "ki_opp", "fk_our",    "fk_opp",  "ck_our", "ck_opp", "gk_our",
                         "gk_opp", "gc_our",    "gc_opp",  "ag_our", "ag_opp"};
  int index = 1;
  for (const char* name : names) {
    ClangVerdict verdict = checkSayMessage(withCondition(std::string("(playm ") + name + ")"));
    ASSERT_TRUE(verdict.valid) << name << ": " << verdict.error;
    const ClangCondition& condition = *verdict.message->rules[0]->condition;
    EXPECT_EQ(condition.playMode, index++) << name;
    EXPECT_EQ(condition.playModeName, name);
  }
}

// The tree of a message with every node kind carries the values as written.
TEST(ClangCheckTree, HoldsWhatWasWritten) {
  ClangVerdict verdict = checkSayMessage(
      "(advice (300 (and (playm ck_our) (bowner opp {0}) (ppos our {2 4} 1 2 (pt 5 6))) (do our "
      "{0} (oline (quad (pt -20 -34) (pt -20 -34) (pt -20 34) (pt -20 34)))) (dont opp {7 9} "
      "(pos (reg (pt 3 4 (pt 1 2)) (arc (pt 0 0) 1 5 -90 180)))) (do our {3} (mark {7 9}))) (1800 "
      "(playm ko_opp) (do opp {11} (pos (pt 10.5 -0)))))");
  ASSERT_TRUE(verdict.valid) << verdict.error;
  const ClangMessage& message = *verdict.message;
  ASSERT_EQ(message.rules.size(), 2u);
  const ClangRule& first = *message.rules[0];
  EXPECT_EQ(first.ttl, 300);
  ASSERT_EQ(first.condition->kind, ClangConditionKind::And);
  ASSERT_EQ(first.condition->conditions.size(), 3u);
  EXPECT_EQ(first.condition->conditions[0]->playMode, 10);
  const ClangCondition& owner = *first.condition->conditions[1];
  EXPECT_EQ(owner.kind, ClangConditionKind::BallOwner);
  EXPECT_FALSE(owner.ourSide);
  EXPECT_TRUE(owner.players.wholeTeam());
  EXPECT_TRUE(owner.players.contains(11));
  const ClangCondition& ppos = *first.condition->conditions[2];
  EXPECT_EQ(ppos.kind, ClangConditionKind::PlayerPosition);
  EXPECT_TRUE(ppos.ourSide);
  EXPECT_EQ(ppos.players.numbers, (std::vector<int>{2, 4}));
  EXPECT_EQ(ppos.minMatch, 1);
  EXPECT_EQ(ppos.maxMatch, 2);
  EXPECT_EQ(ppos.region->x, 5);

  ASSERT_EQ(first.directives.size(), 3u);
  const ClangDirective& oline = *first.directives[0];
  EXPECT_TRUE(oline.positive);
  EXPECT_TRUE(oline.ourSide);
  EXPECT_EQ(oline.action->kind, ClangActionKind::OffsidesLine);
  const ClangRegion& quad = *oline.action->region;
  EXPECT_EQ(quad.kind, ClangRegionKind::Quad);
  ASSERT_EQ(quad.parts.size(), 4u);
  EXPECT_EQ(quad.parts[2]->x, -20);
  EXPECT_EQ(quad.parts[2]->y, 34);

  const ClangDirective& position = *first.directives[1];
  EXPECT_FALSE(position.positive);
  EXPECT_FALSE(position.ourSide);
  EXPECT_TRUE(position.players.contains(9));
  EXPECT_FALSE(position.players.contains(8));
  const ClangRegion& unionRegion = *position.action->region;
  ASSERT_EQ(unionRegion.kind, ClangRegionKind::Union);
  ASSERT_EQ(unionRegion.parts.size(), 2u);
  const ClangRegion& relative = *unionRegion.parts[0];
  EXPECT_EQ(relative.kind, ClangRegionKind::RelativePoint);
  EXPECT_EQ(relative.x, 3);
  EXPECT_EQ(relative.parts[0]->y, 2);
  const ClangRegion& arc = *unionRegion.parts[1];
  EXPECT_EQ(arc.kind, ClangRegionKind::Arc);
  EXPECT_EQ(arc.startRadius, 1);
  EXPECT_EQ(arc.endRadius, 5);
  EXPECT_EQ(arc.startAngle, -90);
  EXPECT_EQ(arc.spanAngle, 180);

  const ClangDirective& mark = *first.directives[2];
  EXPECT_EQ(mark.action->kind, ClangActionKind::Mark);
  EXPECT_EQ(mark.action->players.numbers, (std::vector<int>{7, 9}));

  const ClangRule& second = *message.rules[1];
  EXPECT_EQ(second.ttl, 1800);
  const ClangRegion& spot = *second.directives[0]->action->region;
  EXPECT_EQ(spot.x, 10.5);
  EXPECT_TRUE(std::signbit(spot.y));
}

TEST(ClangCheckTree, FreeformKeepsItsText) {
  ClangVerdict verdict = checkSayMessage("(freeform \"say \"hi\" now\")");
  ASSERT_TRUE(verdict.valid) << verdict.error;
  EXPECT_EQ(verdict.message->freeformText, "say \"hi\" now");
  EXPECT_TRUE(verdict.message->rules.empty());
}

struct Rejected {
  const char* name;
  std::string text;
  std::string error;
  std::size_t position;
};

// Each strictness rule, each unknown keyword and each wrong spelling, with the exact error.
TEST(ClangCheckRejects, WithFirstErrorAndPosition) {
  const std::string rule = "(100 (bowner opp {0}) (do our {3} (mark {7})))";
  const std::vector<Rejected> cases = {
      {"empty text", "", "message ends early, expected '(' at position 0", 0},
      {"no parenthesis", "info", "expected '(' at position 0", 0},
      {"leading blank", " (info)", "expected '(' at position 0", 0},
      {"trailing blank", "(info) ", "text after the end of the message at position 6", 6},
      {"extra closing", "(info " + rule + "))", "text after the end of the message at position 53",
       53},
      {"two messages", "(meta)(meta)", "text after the end of the message at position 6", 6},
      {"unknown kind", "(tip (1 (bowner opp {0}) (do our {3} (mark {7}))))",
       "unknown message kind 'tip' at position 1", 1},
      {"upper case kind", "(INFO)", "expected a message keyword at position 1", 1},
      {"empty token", "(info )",
       "empty token (a rule needs a condition and a directive) at position 6", 6},
      {"double blank", "(info  " + rule + ")", "expected '(' at position 6", 6},
      {"no blank before rule", "(info" + rule + ")", "expected ' ' at position 5", 5},
      {"rule without directive", "(info (100 (bowner opp {0})))",
       "a rule needs at least one directive at position 27", 27},
      {"rule without ttl", "(info ((bowner opp {0}) (do our {3} (mark {7}))))",
       "expected the ttl of a rule at position 7", 7},
      {"zero ttl", "(info (0 (bowner opp {0}) (do our {3} (mark {7}))))",
       "the ttl of a rule must be positive at position 7", 7},
      {"negative ttl", "(info (-5 (bowner opp {0}) (do our {3} (mark {7}))))",
       "the ttl of a rule must be positive at position 7", 7},
      {"fractional ttl", "(info (1.5 (bowner opp {0}) (do our {3} (mark {7}))))",
       "'1.5' is not an integer at position 7", 7},
      {"directive without action", "(info (100 (bowner opp {0}) (do our {3})))",
       "a directive needs an action at position 39", 39},
      {"directive with two actions",
       "(info (100 (bowner opp {0}) (do our {3} (mark {7}) (mark {8}))))",
       "a directive holds exactly one action at position 50", 50},
      {"unknown directive", "(info (100 (bowner opp {0}) (try our {3} (mark {7}))))",
       "expected 'do' or 'dont' at position 29", 29},
      {"unknown side", "(info (100 (bowner opp {0}) (do ours {3} (mark {7}))))",
       "expected 'our' or 'opp' at position 32", 32},
      {"unknown action", "(info (100 (bowner opp {0}) (do our {3} (goto {7}))))",
       "unknown action 'goto' at position 41", 41},
      {"unknown condition", "(info (100 (owner opp {0}) (do our {3} (mark {7}))))",
       "unknown condition 'owner' at position 12", 12},
      {"unknown play mode", withCondition("(playm kick_off_l)"),
       "unknown play mode 'kick_off_l' at position 18", 18},
      {"unknown region", withRegion("(circle (pt 0 0) 5)"),
       "unknown region 'circle' at position 46", 46},
      {"empty player set", "(info (100 (bowner opp {}) (do our {3} (mark {7}))))",
       "a player set needs at least one number at position 24", 24},
      {"empty mark set", withAction("(mark {})"),
       "a player set needs at least one number at position 47", 47},
      {"player 12", "(info (100 (bowner opp {0}) (do our {12} (mark {7}))))",
       "player number 12 out of range 0 to 11 at position 37", 37},
      {"player -1", withAction("(mark {-1})"),
       "player number -1 out of range 0 to 11 at position 47", 47},
      {"players descending", withAction("(mark {7 3})"),
       "player numbers must be ascending without repeats at position 49", 49},
      {"player repeated", withAction("(mark {7 7})"),
       "player numbers must be ascending without repeats at position 49", 49},
      {"zero among others", withAction("(mark {0 3})"),
       "player number 0 (the whole team) must stand alone at position 49", 49},
      {"whole team spelt out", withAction("(mark {1 2 3 4 5 6 7 8 9 10 11})"),
       "the whole team is written {0} at position 70", 70},
      {"comma in set", withAction("(mark {7,9})"), "'7,9' is not an integer at position 47", 47},
      {"number not %g", withRegion("(pt 10.50 2)"),
       "'10.50' is not a number in %g form at position 49", 49},
      {"number with plus", withRegion("(pt +1 2)"),
       "'+1' is not a number in %g form at position 49", 49},
      {"seven digits", withRegion("(pt 1.234567 2)"),
       "'1.234567' is not a number in %g form at position 49", 49},
      {"inf", withRegion("(pt inf 2)"), "'inf' is not a number in %g form at position 49", 49},
      {"too large", withRegion("(pt 1e+39 2)"), "number '1e+39' too large at position 49", 49},
      {"missing coordinate", withRegion("(pt 1)"), "expected ' ' at position 50", 50},
      {"three corners", withRegion("(quad (pt 0 0) (pt 1 0) (pt 1 1))"),
       "a quadrangle needs four corners at position 77", 77},
      {"five corners", withRegion("(quad (pt 0 0) (pt 1 0) (pt 1 1) (pt 0 1) (pt 0 0))"),
       "a quadrangle has exactly four corners at position 86", 86},
      {"corner not a point", withRegion("(quad (reg) (pt 1 0) (pt 1 1) (pt 0 1))"),
       "expected a point '(pt' at position 51", 51},
      {"arc centre not a point", withRegion("(arc (quad) 1 5 -90 180)"),
       "expected a point '(pt' at position 50", 50},
      {"arc missing angle", withRegion("(arc (pt 0 0) 1 5 -90)"), "expected ' ' at position 66",
       66},
      {"meta with token", "(meta (ver 7))",
       "a meta message holds no tokens in this language at position 5", 5},
      {"define with token", "(define (x))",
       "a define message holds no tokens in this language at position 7", 7},
      {"freeform without quote", "(freeform hi)", "expected '\"' at position 10", 10},
      {"freeform unterminated", "(freeform \"hi)",
       "freeform text does not end with '\"' and ')' at position 14", 14},
      {"freeform of 129", "(freeform \"" + std::string(129, 'x') + "\")",
       "freeform text of 129 characters is longer than 128 at position 139", 139},
      {"mismatched close", "(info (100 (bowner opp {0})) (do our {3} (mark {7}))))",
       "a rule needs at least one directive at position 27", 27},
  };
  for (const Rejected& c : cases) {
    ClangVerdict verdict = checkSayMessage(c.text);
    EXPECT_FALSE(verdict.valid) << c.name;
    EXPECT_EQ(verdict.error, c.error) << c.name;
    EXPECT_EQ(verdict.errorPosition, c.position) << c.name;
    EXPECT_EQ(verdict.message, nullptr) << c.name;
    EXPECT_EQ(verdict.ruleCount, 0) << c.name;
  }
}

// Nesting of conditions and regions is bounded; the bound itself is accepted.
TEST(ClangCheckRejects, NestingDeeperThanTheBound) {
  auto nested = [](int levels) {
    std::string condition = "(bowner opp {0})";
    for (int i = 1; i < levels; ++i) condition = "(and " + condition + ")";
    return withCondition(condition);
  };
  EXPECT_TRUE(checkSayMessage(nested(64)).valid);
  ClangVerdict verdict = checkSayMessage(nested(65));
  EXPECT_FALSE(verdict.valid);
  EXPECT_EQ(verdict.error,
            "nesting deeper than 64 levels at position " + std::to_string(verdict.errorPosition));
  EXPECT_EQ(verdict.errorPosition, 11u + 64 * 5);  // the '(' of the 65th level
}

// A message of exactly `length` characters: an info rule whose union region is padded with
// points.
std::string messageOfLength(std::size_t length) {
  const std::string head = "(info (100 (bowner opp {0}) (do our {0} (pos (reg";
  const std::string tail = ")))))";
  std::size_t rest = length - head.size() - tail.size();
  const char* widths[] = {"1",      "10",      "100",      "1000",     "10000",
                          "100000", "1.5e+07", "1.25e+07", "1.125e+07"};
  std::string members;
  for (std::size_t i = 0; i + 1 < rest / 9; ++i) members += " (pt 1 2)";
  members += std::string(" (pt ") + widths[rest % 9] + " 2)";
  return head + members + tail;
}

TEST(ClangCheckRejects, MessageLongerThan8154) {
  std::string longest = messageOfLength(8154);
  ASSERT_EQ(longest.size(), 8154u);
  ClangVerdict verdict = checkSayMessage(longest);
  EXPECT_TRUE(verdict.valid) << verdict.error;
  std::string tooLong = messageOfLength(8155);
  ASSERT_EQ(tooLong.size(), 8155u);
  verdict = checkSayMessage(tooLong);
  EXPECT_FALSE(verdict.valid);
  EXPECT_EQ(verdict.error, "message of 8155 characters is longer than 8154 at position 8154");
  EXPECT_EQ(verdict.kind, ClangMessageKind::Unknown);
}

// Every proper prefix of a valid message is refused, with an error no later than its end.
TEST(ClangCheckRejects, TruncationAtEverySplitPoint) {
  const std::vector<std::string> messages = {
      "(advice (300 (and (playm ck_our) (ppos our {2 4} 1 2 (pt 5 6))) (do our {0} (oline (quad "
      "(pt -20 -34) (pt -20 -34) (pt -20 34) (pt -20 34)))) (dont opp {7 9} (pos (reg (pt 3 4 (pt "
      "1 2)) (arc (pt 0 0) 1 5 -90 180)))) (do our {3} (mark {7 9}))) (1800 (or (playm ko_opp)) "
      "(do opp {11} (pos (pt 10.5 -0)))))",
      "(freeform \"hello\")",
      "(meta)",
      "(define)",
  };
  for (const std::string& message : messages) {
    ASSERT_TRUE(checkSayMessage(message).valid) << message;
    for (std::size_t length = 0; length < message.size(); ++length) {
      std::string prefix = message.substr(0, length);
      ClangVerdict verdict = checkSayMessage(prefix);
      EXPECT_FALSE(verdict.valid) << "prefix " << prefix;
      EXPECT_LE(verdict.errorPosition, length) << "prefix " << prefix;
      EXPECT_FALSE(verdict.error.empty()) << "prefix " << prefix;
    }
  }
}

// The message kind is known for an invalid message once its keyword was read.
TEST(ClangCheckVerdict, KindOfAnInvalidMessage) {
  EXPECT_EQ(checkSayMessage("(advice (100").kind, ClangMessageKind::Advice);
  EXPECT_EQ(checkSayMessage("(meta (x))").kind, ClangMessageKind::Meta);
  EXPECT_EQ(checkSayMessage("(freeform \"x").kind, ClangMessageKind::Freeform);
  EXPECT_EQ(checkSayMessage("(hint)").kind, ClangMessageKind::Unknown);
}

TEST(ClangCheckCommand, StripsTheSayCommand) {
  ClangVerdict verdict =
      checkSayCommand("(say (info (100 (bowner opp {0}) (do our {3} (mark {7})))))");
  EXPECT_TRUE(verdict.valid) << verdict.error;
  EXPECT_EQ(verdict.kind, ClangMessageKind::Info);
  EXPECT_EQ(verdict.ruleCount, 1);

  struct Case {
    const char* name;
    const char* command;
    const char* error;
  };
  const Case cases[] = {
      {"positions count from the command",
       "(say (info (100 (bowner opp {}) (do our {3} (mark {7})))))",
       "a player set needs at least one number at position 29"},
      {"no say", "(info)", "not a say command \"(say ...)\" at position 0"},
      {"no blank", "(say(info))", "not a say command \"(say ...)\" at position 0"},
      {"no closing", "(say (info)", "message ends early, expected ')' at position 10"},
      {"empty", "(say )", "message ends early, expected '(' at position 5"},
      {"blank before closing", "(say (info) )", "text after the end of the message at position 11"},
  };
  for (const Case& c : cases) {
    ClangVerdict refused = checkSayCommand(c.command);
    EXPECT_FALSE(refused.valid) << c.name;
    EXPECT_EQ(refused.error, c.error) << c.name;
  }
}

}  // namespace
