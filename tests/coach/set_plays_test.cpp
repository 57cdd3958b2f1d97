// Set-play learning on histories of set-play periods separated by play_on:
// which states are sampled, the spread test, the goalkeeper rule of free kicks
// and the every-second-call toggle.
#include "coach/set_plays.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "coach_language/cm_tok_rule.h"
#include "tests/coach/advice_fixtures.h"

namespace {

using namespace advice_test;

// Server play-mode numbers.
constexpr int PLAY_ON = 3;
constexpr int KICK_IN_L = 6;
constexpr int KICK_IN_R = 7;
constexpr int FREE_KICK_L = 8;
constexpr int FREE_KICK_R = 9;
constexpr int CORNER_KICK_L = 10;
constexpr int CORNER_KICK_R = 11;

const std::string CORNER_RULE =
    "(1800 (playm ck_opp) (do opp {5} (pos (quad (pt 30 10) (pt 32 10) (pt 32 13) (pt 30 13)))))";

enum class Holder { NOBODY, OWN_GOALIE, OPPONENT_GOALIE };

class SetPlayTest : public AnalysisTest {
 protected:
  // Appends length states in playMode. The opponents stand at spots that move
  // from period to period (so they never repeat), except those in fixed; both
  // teams' number 1 is flagged goalie.
  void append(int playMode, int length, const std::map<int, Point>& fixed = {},
              Holder holder = Holder::NOBODY) {
    const int opponents = -ownSide;
    for (int k = 0; k < length; ++k) {
      PlayerRecords players = spreadPlayers();
      for (int n = 1; n <= 11; ++n) {
        place(players, opponents, n, -40 + 8 * (n - 1), -30 + 7 * (period % 9));
      }
      for (const auto& [n, p] : fixed) place(players, opponents, n, p.x, p.y);
      players[slotOf(1, 1)].isGoalie = true;
      players[slotOf(-1, 1)].isGoalie = true;
      const BallState ball = holder == Holder::OWN_GOALIE        ? ballAt(players, ownSide, 1)
                             : holder == Holder::OPPONENT_GOALIE ? ballAt(players, opponents, 1)
                                                                 : freeBall();
      addState(players, ball, playMode);
    }
    ++period;
  }

  // Two free kicks of the given kind, opponent 9 at the same spot in both,
  // separated by play_on and a kick-in.
  void appendTwoFreeKicks(int freeKick, Holder holder) {
    append(freeKick, 1, {{9, {20, 5}}}, holder);
    append(PLAY_ON, 49);
    append(KICK_IN_R, 1);
    append(PLAY_ON, 49);
    append(freeKick, 1, {{9, {20, 5}}}, holder);
  }

  // The second call's rules in protocol form (the first call only flips the toggle).
  std::vector<std::string> learned() {
    EXPECT_TRUE(learnSetPlays().empty()) << "first call";
    std::vector<std::string> texts;
    for (const auto& rule : learnSetPlays()) {
      std::ostringstream out;
      rule->print(out);
      texts.push_back(out.str());
    }
    return texts;
  }

  // A corner kick with opponent 5 at a, another set play, a corner kick at b.
  void twoCorners(int corner, int kickIn, Point a, Point b) {
    append(PLAY_ON, 10);
    append(corner, 1, {{5, a}});
    append(PLAY_ON, 49);
    append(kickIn, 1);
    append(PLAY_ON, 49);
    append(corner, 1, {{5, b}});
    append(PLAY_ON, 10);
  }

  int period = 0;
};

TEST_F(SetPlayTest, CornerKickSpotsSeenTwice) {
  struct Case {
    const char* name;
    int side, corner, kickIn;
  };
  const Case cases[] = {{"own team left", 1, CORNER_KICK_R, KICK_IN_R},
                        {"own team right, not mirrored", -1, CORNER_KICK_L, KICK_IN_L}};
  for (const Case& c : cases) {
    resetStateHistory();
    resetAdviceRecords();
    ownSide = c.side;
    twoCorners(c.corner, c.kickIn, {30, 10}, {32, 13});
    EXPECT_EQ(learned(), std::vector<std::string>{CORNER_RULE}) << c.name;
  }
}

TEST_F(SetPlayTest, SpreadMustStayBelowFiveMetres) {
  struct Case {
    const char* name;
    Point a, b;
    bool learnedRule;
  };
  const Case cases[] = {{"5 in x", {30, 10}, {35, 10}, false},
                        {"5 in y", {30, 10}, {30, 15}, false},
                        {"just below 5 in both", {30, 10}, {34.9, 14.9}, true}};
  for (const Case& c : cases) {
    resetStateHistory();
    resetAdviceRecords();
    twoCorners(CORNER_KICK_R, KICK_IN_R, c.a, c.b);
    EXPECT_EQ(learned().size(), c.learnedRule ? 1u : 0u) << c.name;
  }
}

TEST_F(SetPlayTest, SameSetPlayAfterOnlyPlayOnIsPassedOver) {
  append(PLAY_ON, 10);
  append(CORNER_KICK_R, 1, {{5, {30, 10}}});
  append(PLAY_ON, 99);
  append(CORNER_KICK_R, 1, {{5, {32, 13}}});
  append(PLAY_ON, 10);
  EXPECT_TRUE(learned().empty());
}

TEST_F(SetPlayTest, SampledStatesLieFortyStatesApart) {
  append(CORNER_KICK_R, 1, {{5, {32, 13}}});  // state 0
  append(PLAY_ON, 49);
  append(KICK_IN_R, 1);  // state 50
  append(PLAY_ON, 49);
  append(CORNER_KICK_R, 12, {{5, {30, 10}}});   // states 100..111
  append(CORNER_KICK_R, 4, {{5, {-20, -20}}});  // states 112..115, too near the kick-in below
  append(PLAY_ON, 35);
  append(KICK_IN_R, 1);  // state 151, the newest set play
  // The corner kick is sampled at state 111, 40 states before state 151.
  EXPECT_EQ(learned(), std::vector<std::string>{CORNER_RULE});
}

TEST_F(SetPlayTest, FreeKicksCountOnlyWhileTheKickersGoalieHoldsTheBall) {
  struct Case {
    const char* name;
    int freeKick;
    Holder holder;
    std::vector<std::string> expected;
  };
  const std::string directive =
      " (do opp {9} (pos (quad (pt 20 5) (pt 20 5) (pt 20 5) (pt 20 5))))";
  const Case cases[] = {
      {"opponent free kick, their goalie holds",
       FREE_KICK_R,
       Holder::OPPONENT_GOALIE,
       {"(1800 (and (playm fk_opp) (bowner opp {1}))" + directive + ")"}},
      {"opponent free kick, ball free", FREE_KICK_R, Holder::NOBODY, {}},
      {"opponent free kick, own goalie holds", FREE_KICK_R, Holder::OWN_GOALIE, {}},
      {"own free kick, own goalie holds",
       FREE_KICK_L,
       Holder::OWN_GOALIE,
       {"(1800 (and (playm fk_our) (bowner our {1}))" + directive + ")"}},
      {"own free kick, ball free", FREE_KICK_L, Holder::NOBODY, {}},
      {"own free kick, their goalie holds", FREE_KICK_L, Holder::OPPONENT_GOALIE, {}},
  };
  for (const Case& c : cases) {
    resetStateHistory();
    resetAdviceRecords();
    appendTwoFreeKicks(c.freeKick, c.holder);
    EXPECT_EQ(learned(), c.expected) << c.name;
  }
}

TEST_F(SetPlayTest, FreeKickConditionNamesNobodyWithoutAFlaggedGoalieInTheNewestState) {
  struct Case {
    const char* name;
    int freeKick;
    Holder holder;
    std::string condition;
  };
  const Case cases[] = {
      {"opponent free kick", FREE_KICK_R, Holder::OPPONENT_GOALIE,
       "(1800 (and (playm fk_opp) (bowner opp {}))"},
      {"own free kick", FREE_KICK_L, Holder::OWN_GOALIE,
       "(1800 (and (playm fk_our) (bowner our {}))"},
  };
  for (const Case& c : cases) {
    resetStateHistory();
    resetAdviceRecords();
    appendTwoFreeKicks(c.freeKick, c.holder);
    addState(spreadPlayers(), freeBall(), PLAY_ON);  // nobody flagged goalie
    const std::vector<std::string> rules = learned();
    ASSERT_EQ(rules.size(), 1u) << c.name;
    EXPECT_EQ(rules[0].rfind(c.condition + " (do opp {9} ", 0), 0u) << c.name << ": " << rules[0];
  }
}

TEST_F(SetPlayTest, WalkCoversTheNewest1800States) {
  struct Case {
    const char* name;
    int firstCornerAt;
    std::size_t rules;
  };
  const Case cases[] = {{"1800 states back: outside", 0, 0}, {"1799 states back: inside", 1, 1}};
  for (const Case& c : cases) {
    resetStateHistory();
    resetAdviceRecords();
    append(PLAY_ON, c.firstCornerAt);
    append(CORNER_KICK_R, 1, {{5, {30, 10}}});
    append(PLAY_ON, 900 - c.firstCornerAt - 1);
    append(KICK_IN_R, 1);
    append(PLAY_ON, 1800 - 901);
    append(CORNER_KICK_R, 1, {{5, {32, 13}}});  // state 1800, the newest
    ASSERT_EQ(stateHistory().size(), 1801u) << c.name;
    EXPECT_EQ(learned().size(), c.rules) << c.name;
  }
}

TEST_F(SetPlayTest, WorksOnEverySecondCall) {
  twoCorners(CORNER_KICK_R, KICK_IN_R, {30, 10}, {32, 13});
  const std::size_t states = stateHistory().size();
  EXPECT_TRUE(learnSetPlays().empty()) << "first call";
  EXPECT_EQ(learnSetPlays().size(), 1u) << "second call";
  EXPECT_TRUE(learnSetPlays().empty()) << "third call";
  EXPECT_EQ(learnSetPlays().size(), 1u) << "fourth call";
  EXPECT_EQ(stateHistory().size(), states) << "history untouched";
}

}  // namespace
