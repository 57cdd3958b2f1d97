// Scoring a coach's rules against the truth: which rules count as opponent positions or set
// plays, the coach's frame, the play-mode codes, and the tolerance.
#include "sim/advice_score.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "sim/clang_check.h"

namespace {

class AdviceScoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Right team's number 3 stands at (20, 10) with the ball and goes to (-30, 5) at the left
    // team's kick-ins; its number 7 took a kick-in from (10, 34).
    truth.habits[1].homeOwn[2] = {20, 10};
    truth.habits[1].setPlay[KICK_IN_L][2] = {-30, 5};
    // Left team's number 3 is at (-20, -10) with the ball and at (40, 0) at its own kick-ins.
    truth.habits[0].homeOwn[2] = {-20, -10};
    truth.habits[0].setPlay[KICK_IN_L][2] = {40, 0};
    truth.restarts.push_back({100, KICK_IN_R, 7, {10, 34}});
  }

  // The first rule of an info message text; fails the test when the text is not valid.
  const ClangRule& rule(const std::string& text) {
    verdict = checkSayMessage(text);
    EXPECT_TRUE(verdict.valid) << text << ": " << verdict.error;
    static const ClangRule empty;
    if (!verdict.message || verdict.message->rules.empty()) return empty;
    return *verdict.message->rules[0];
  }

  static std::string quad(double x0, double y0, double x1, double y1) {
    auto pt = [](double x, double y) {
      std::ostringstream text;
      text << "(pt " << x << ' ' << y << ')';
      return text.str();
    };
    return "(quad " + pt(x0, y0) + ' ' + pt(x1, y0) + ' ' + pt(x1, y1) + ' ' + pt(x0, y1) + ')';
  }

  MatchTruth truth;
  ClangVerdict verdict;
};

TEST_F(AdviceScoreTest, OpponentPositionsRuleIsRecognisedByItsForm) {
  const struct {
    std::string text;
    bool cops;
  } cases[] = {
      {"(info (300 (bowner opp {0}) (do opp {3} (pos " + quad(15, 5, 25, 15) + "))))", true},
      {"(info (300 (bowner our {0}) (do opp {3} (pos " + quad(15, 5, 25, 15) + "))))", false},
      {"(info (300 (bowner opp {0}) (do our {3} (pos " + quad(15, 5, 25, 15) + "))))", false},
      {"(info (300 (bowner opp {0}) (do opp {3} (mark {2}))))", false},
      {"(info (300 (bowner opp {0}) (do opp {3 4} (pos " + quad(15, 5, 25, 15) + "))))", false},
      {"(info (300 (playm ki_opp) (do opp {3} (pos " + quad(15, 5, 25, 15) + "))))", false},
  };
  for (const auto& c : cases) EXPECT_EQ(isOpponentPositionsRule(rule(c.text)), c.cops) << c.text;
}

TEST_F(AdviceScoreTest, OpponentPositionsAreComparedInTheCoachesFrame) {
  const std::string around = "(do opp {3} (pos " + quad(15, 5, 25, 15) + "))";
  const std::string turned = "(do opp {3} (pos " + quad(-25, -15, -15, -5) + "))";
  const std::string text = "(info (300 (bowner opp {0}) " + around + ' ' + turned + "))";
  RuleScore left = scoreOpponentPositions(rule(text), truth, 'l');
  EXPECT_EQ(left.named, 2);
  EXPECT_EQ(left.matched, 1) << "the right team's 3 at (20, 10) seen from the left";
  // Seen from the right the left team's 3 at (-20, -10) is at (20, 10) in the coach's frame.
  RuleScore right = scoreOpponentPositions(rule(text), truth, 'r');
  EXPECT_EQ(right.matched, 1);
  const std::string far =
      "(info (300 (bowner opp {0}) (do opp {3} (pos " + quad(-25, -15, -15, -5) + "))))";
  EXPECT_EQ(scoreOpponentPositions(rule(far), truth, 'l').matched, 0);
}

TEST_F(AdviceScoreTest, PlayModeCodesNameTheSetPlayOfEitherSide) {
  const struct {
    int code;
    char side;
    int mode;
  } cases[] = {
      {1, 'l', BEFORE_KICK_OFF},
      {4, 'l', KICK_OFF_L},
      {5, 'l', KICK_OFF_R},
      {4, 'r', KICK_OFF_R},
      {7, 'l', KICK_IN_R},
      {7, 'r', KICK_IN_L},
      {8, 'l', FREE_KICK_L},
      {11, 'l', CORNER_KICK_R},
      {12, 'r', GOAL_KICK_R},
      {13, 'r', GOAL_KICK_L},
      {2, 'l', -1},
      {3, 'l', -1},
      {14, 'l', -1},
      {0, 'r', -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(setPlayModeOfCode(c.code, c.side), c.mode) << c.code << c.side;
  }
}

TEST_F(AdviceScoreTest, SetPlaySpotsCountWithinTheTolerance) {
  const struct {
    std::string text;
    char side;
    int matched;
  } cases[] = {
      // Opponent (right) 3 at the own (left) kick-in: true spot (-30, 5).
      {"(info (1800 (playm ki_our) (do opp {3} (pos " + quad(-31, 4, -29, 6) + "))))", 'l', 1},
      {"(info (1800 (playm ki_our) (do opp {3} (pos " + quad(-28.5, 6, -27, 7) + "))))", 'l', 1},
      {"(info (1800 (playm ki_our) (do opp {3} (pos " + quad(-27.5, 8, -26, 9) + "))))", 'l', 0},
      // The same rule means the right team's kick-in for a coach on the right.
      {"(info (1800 (playm ki_opp) (do opp {3} (pos " + quad(39, -1, 41, 1) + "))))", 'r', 1},
      // The taker of the right team's kick-in stood at the ball.
      {"(info (1800 (playm ki_opp) (do opp {7} (pos " + quad(10, 33, 11, 34) + "))))", 'l', 1},
      {"(info (1800 (playm ki_our) (do opp {7} (pos " + quad(10, 33, 11, 34) + "))))", 'l', 0},
      {"(info (1800 (and (playm fk_opp) (bowner opp {1})) (do opp {3} (pos " +
           quad(-31, 4, -29, 6) + "))))",
       'l', 0},
  };
  for (const auto& c : cases) {
    const ClangRule& r = rule(c.text);
    EXPECT_TRUE(isSetPlayRule(r)) << c.text;
    RuleScore score = scoreSetPlay(r, truth, c.side);
    EXPECT_EQ(score.named, 1) << c.text;
    EXPECT_EQ(score.matched, c.matched) << c.text;
  }
  EXPECT_FALSE(isSetPlayRule(
      rule("(info (300 (bowner opp {0}) (do opp {3} (pos " + quad(15, 5, 25, 15) + "))))")));
}

}  // namespace
