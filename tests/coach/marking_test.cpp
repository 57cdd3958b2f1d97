// Marking and positioning advice: own players matched to the opponents by the
// sections their regions share, on histories in which the opponent always has
// the ball and every player keeps one spot.
#include "coach/marking.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "coach_language/cm_tok_rule.h"
#include "geometry/field_sections.h"
#include "tests/coach/advice_fixtures.h"

namespace {

using namespace advice_test;

const char* const X_EDGE[] = {"-52.5",   "-42.9545", "-33.4091", "-23.8636", "-14.3182", "-4.77273",
                              "4.77273", "14.3182",  "23.8636",  "33.4091",  "42.9545",  "52.5"};

// Opponent columns (row 3) by number: number 9 furthest up the field, then 4.
const std::map<int, int> SPREAD_COLUMNS = {{1, 0}, {2, 1}, {3, 2},  {4, 9},  {5, 3}, {6, 4},
                                           {7, 5}, {8, 6}, {9, 10}, {10, 7}, {11, 8}};

std::string text(const CM_TokRule& rule) {
  std::ostringstream out;
  rule.print(out);
  return out.str();
}

// Positioning directive for own number k to the section in column c, row 3.
std::string posDirective(int k, int c) {
  const std::string lo = X_EDGE[c], hi = X_EDGE[c + 1];
  return "(do our {" + std::to_string(k) + "} (pos (quad (pt " + lo + " -4.85714) (pt " + hi +
         " -4.85714) (pt " + hi + " 4.85714) (pt " + lo + " 4.85714))))";
}

class MarkingTest : public AnalysisTest {
 protected:
  // Five states: opponent n in column opponentColumns[n] of row 3, own players
  // on their spread spots (row 0) except those in ownColumns (row 3); opponent
  // 1 holds the ball throughout.
  void play(const std::map<int, int>& opponentColumns, const std::map<int, int>& ownColumns = {},
            int ownGoalie = 0) {
    for (int k = 0; k < 5; ++k) {
      PlayerRecords players = spreadPlayers();
      for (const auto& [n, c] : opponentColumns) place(players, -1, n, centreX(c), 0);
      for (const auto& [n, c] : ownColumns) place(players, 1, n, centreX(c), 0);
      if (ownGoalie > 0) players[slotOf(1, ownGoalie)].isGoalie = true;
      addState(players, ballAt(players, -1, 1));
    }
  }
  static double centreX(int column) { return sectionEdgeX(column) + SECTION_WIDTH / 2; }

  // (do our {k} ...) of positioning directive i: own number chosen[i] + 1 to the
  // region of the opponent at sorted position i.
  static std::string positioning(const std::vector<int>& ownNumbers,
                                 const std::vector<int>& sortedColumns) {
    std::string rule = "(100 (bowner our {0})";
    for (std::size_t i = 0; i < ownNumbers.size(); ++i) {
      rule.append(" ").append(posDirective(ownNumbers[i], sortedColumns[i]));
    }
    return rule + ")";
  }
};

TEST_F(MarkingTest, OwnPlayersSharingSectionsMarkTheMostAdvancedOpponents) {
  play(SPREAD_COLUMNS, {{5, 10}, {3, 9}});
  const auto rules = buildPositioningRules(0, true);
  ASSERT_NE(rules, nullptr);
  ASSERT_EQ(rules->size(), 2u);
  EXPECT_EQ(text(*(*rules)[0]),
            "(100 (bowner opp {0}) (do our {5} (mark {9})) (do our {3} (mark {4})))");
  // chosen = 4, 0, 2, 1, 3, 5, ...: own 5 and 1 picked for opponent 9, own 3 and
  // 2 for opponent 4; entry i goes to the region of sorted opponent i.
  EXPECT_EQ(text(*(*rules)[1]),
            positioning({5, 1, 3, 2, 4, 6, 7, 8, 9, 10, 11}, {10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
}

TEST_F(MarkingTest, OwnGoalieIsNeverMatched) {
  play(SPREAD_COLUMNS, {{5, 10}, {3, 9}}, 1);
  const auto rules = buildPositioningRules(0, true);
  ASSERT_NE(rules, nullptr);
  ASSERT_EQ(rules->size(), 2u);
  EXPECT_EQ(text(*(*rules)[0]),
            "(100 (bowner opp {0}) (do our {5} (mark {9})) (do our {3} (mark {4})))");
  // chosen = 4, 1, 2, 3, 5, ..., 10, 12: ten directives, the eleventh entry is nobody.
  EXPECT_EQ((*rules)[1]->getDirectives().size(), 10u);
  EXPECT_EQ(text(*(*rules)[1]),
            positioning({5, 2, 3, 4, 6, 7, 8, 9, 10, 11}, {10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
}

TEST_F(MarkingTest, WithoutSharedSectionsPicksFollowNumberOrder) {
  struct Case {
    const char* name;
    std::map<int, int> columns;
    std::string marking;
    std::vector<int> sortedColumns;
  };
  std::map<int, int> sameColumn;
  for (int n = 1; n <= 11; ++n) sameColumn[n] = 5;
  const Case cases[] = {
      {"distinct xMax, sorted descending",
       SPREAD_COLUMNS,
       "(100 (bowner opp {0}) (do our {1} (mark {9})) (do our {3} (mark {4})))",
       {10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}},
      {"equal xMax keeps number order", sameColumn,
       "(100 (bowner opp {0}) (do our {1} (mark {1})) (do our {3} (mark {2})))",
       std::vector<int>(11, 5)},
  };
  for (const Case& c : cases) {
    resetStateHistory();
    play(c.columns);
    const auto rules = buildPositioningRules(0, true);
    ASSERT_NE(rules, nullptr) << c.name;
    ASSERT_EQ(rules->size(), 2u) << c.name;
    EXPECT_EQ(text(*(*rules)[0]), c.marking) << c.name;
    EXPECT_EQ(text(*(*rules)[1]), positioning({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, c.sortedColumns))
        << c.name;
  }
}

TEST_F(MarkingTest, NeverCountedOpponentWarnsOncePerComparedOwnPlayer) {
  // Opponent 1 is always off the field, so its region is the inverted record;
  // everybody else's xMax is 0 as well, so it stays first and gets two picks.
  // Each pick compares it with every eligible own player, chosen ones included.
  struct Case {
    const char* name;
    int ownGoalie;
    int warnings;
  };
  const Case cases[] = {{"no goalie", 0, 22}, {"own goalie flagged", 1, 20}};
  for (const Case& c : cases) {
    resetStateHistory();
    for (int k = 0; k < 5; ++k) {
      PlayerRecords players = spreadPlayers();
      for (int n = 2; n <= 11; ++n) place(players, -1, n, centreX(0), 0);
      place(players, -1, 1, -60, 0);
      if (c.ownGoalie > 0) players[slotOf(1, c.ownGoalie)].isGoalie = true;
      addState(players, ballAt(players, -1, 2));
    }
    testing::internal::CaptureStderr();
    const auto rules = buildPositioningRules(0, true);
    const std::string warnings = testing::internal::GetCapturedStderr();
    ASSERT_NE(rules, nullptr) << c.name;
    std::string expected;
    for (int i = 0; i < c.warnings; ++i) expected += "Warning, regionOfSections inconsistent.\n";
    EXPECT_EQ(warnings, expected) << c.name;
  }
}

TEST_F(MarkingTest, WithoutMarkingOnlyThePositioningRule) {
  play(SPREAD_COLUMNS);
  const auto rules = buildPositioningRules(0, false);
  ASSERT_NE(rules, nullptr);
  ASSERT_EQ(rules->size(), 1u);
  EXPECT_EQ(text(*(*rules)[0]).rfind("(100 (bowner our {0}) (do our {1} (pos ", 0), 0u);
}

TEST_F(MarkingTest, OwnPossessionSelectorGivesNothing) {
  play(SPREAD_COLUMNS);
  EXPECT_EQ(buildPositioningRules(1, false), nullptr);
}

TEST_F(MarkingTest, VerboseWritesBothRulesWithoutLineEnds) {
  play(SPREAD_COLUMNS, {{5, 10}, {3, 9}});
  verbose = true;
  testing::internal::CaptureStdout();
  const auto rules = buildPositioningRules(0, true);
  const std::string trace = testing::internal::GetCapturedStdout();
  ASSERT_NE(rules, nullptr);
  ASSERT_EQ(rules->size(), 2u);
  EXPECT_EQ(trace, text(*(*rules)[0]) + text(*(*rules)[1]));
}

TEST_F(MarkingTest, MarkingRuleFromGivenPairs) {
  struct Case {
    const char* name;
    std::vector<int> opponents, own;
    std::string expected;  // "" for no rule
  };
  const Case cases[] = {
      {"two pairs",
       {9, 5},
       {3, 1},
       "(100 (bowner opp {0}) (do our {4} (mark {9})) (do our {2} (mark {5})))"},
      {"no player passed over",
       {9, 5},
       {NO_PLAYER, 1},
       "(100 (bowner opp {0}) (do our {2} (mark {5})))"},
      {"only no player", {9}, {NO_PLAYER}, ""},
      {"no own indices", {9, 5}, {}, ""},
  };
  for (const Case& c : cases) {
    const auto rule = buildMarkingRule(c.opponents, c.own);
    EXPECT_EQ(rule ? text(*rule) : "", c.expected) << c.name;
  }
}

}  // namespace
