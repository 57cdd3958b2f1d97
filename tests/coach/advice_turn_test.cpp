// The advice turn and the offside-line turn as the main loop runs them: their
// timers, the lines always written, the info message sent (through a loopback
// stand-in for the server), the verbose trace and the fitting of many rules.
#include "coach/advice_turn.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "coach/occupancy.h"
#include "coach/set_plays.h"
#include "coach_language/cm_tok_rule.h"
#include "tests/coach/advice_fixtures.h"

namespace {

using namespace advice_test;

constexpr int PLAY_ON = 3;
constexpr int KICK_IN_R = 7;
constexpr int CORNER_KICK_R = 11;
const std::string SIZE_LINE = "bla: setplaytokens->size(): ";
const std::string HASHES = "#########################";

std::string text(const CM_TokRule& rule) {
  std::ostringstream out;
  rule.print(out);
  return out.str();
}

class AdviceTurnTest : public AnalysisTest {
 protected:
  // Runs the advice turn at time t and returns what it wrote to standard output.
  std::string turnAt(int t) {
    currentTime = t;
    testing::internal::CaptureStdout();
    runAdviceTurn();
    return testing::internal::GetCapturedStdout();
  }

  // Opponent n stands still at (5n - 30, 7); opponent 1 has the ball. Play
  // modes follow the given (mode, states) periods.
  void play(const std::vector<std::pair<int, int>>& periods) {
    for (const auto& [mode, count] : periods) {
      for (int k = 0; k < count; ++k) {
        PlayerRecords players = spreadPlayers();
        for (int n = 1; n <= 11; ++n) place(players, -1, n, 5 * n - 30 + 0.123456, 7.654321);
        addState(players, ballAt(players, -1, 1), mode);
      }
    }
  }

  // The rules the analyses will give in the first and second turn, computed
  // ahead (the toggles are put back afterwards).
  void expectedRules(std::string& cops, std::vector<std::string>& setPlays,
                     std::string* readable = nullptr) {
    const auto rule = buildCopsRule(true);
    cops = rule ? text(*rule) : "";
    learnSetPlays();
    for (const auto& r : learnSetPlays()) {
      setPlays.push_back(text(*r));
      if (readable != nullptr) {
        std::ostringstream out;
        r->printPretty(out, "bla: setplay: ");
        *readable += out.str();
      }
    }
    resetAdviceRecords();
  }

  LoopbackServer server;
};

TEST_F(AdviceTurnTest, RunsWhenMoreThanTheIntervalHasPassed) {
  struct Step {
    int time;
    bool runs;
  };
  // With the start value 15 and interval 100 the first turn needs 116; a second
  // iteration at the same time (no new view) does not run again.
  const Step steps[] = {{0, false},   {115, false}, {116, true},  {116, false},
                        {216, false}, {217, true},  {317, false}, {400, true}};
  for (const Step& s : steps) {
    const std::string out = turnAt(s.time);
    EXPECT_EQ(out, s.runs ? SIZE_LINE + "0\n" : "") << "time " << s.time;
  }
  EXPECT_EQ(lastAdviceTime, 400);
  EXPECT_EQ(server.next(), "") << "no rules, nothing sent";
}

TEST_F(AdviceTurnTest, TimerIsSixteenBitsWidenedWithItsSign) {
  // 32800 is stored as -32736, so the next iteration is again more than the
  // interval beyond it.
  EXPECT_EQ(turnAt(32800), SIZE_LINE + "0\n");
  EXPECT_EQ(lastAdviceTime, -32736);
  EXPECT_EQ(turnAt(32801), SIZE_LINE + "0\n");
  EXPECT_EQ(lastAdviceTime, -32735);
}

TEST_F(AdviceTurnTest, SkipsUntilTheServerParametersArrive) {
  serverParams.reset();
  EXPECT_EQ(turnAt(1000), "");
  EXPECT_EQ(lastAdviceTime, 15);
}

TEST_F(AdviceTurnTest, FirstTurnSendsOpponentPositionsSecondTheSetPlays) {
  ASSERT_TRUE(server.ok());
  play({{PLAY_ON, 10},
        {CORNER_KICK_R, 1},
        {PLAY_ON, 49},
        {KICK_IN_R, 1},
        {PLAY_ON, 49},
        {CORNER_KICK_R, 1},
        {PLAY_ON, 10}});
  std::string cops, readable;
  std::vector<std::string> setPlays;
  expectedRules(cops, setPlays, &readable);
  ASSERT_FALSE(cops.empty());
  ASSERT_EQ(setPlays.size(), 1u) << "the corner kick";
  EXPECT_EQ(
      setPlays[0].rfind("(1800 (playm ck_opp) (do opp {1} (pos (quad (pt -24.8765 7.65432) ", 0),
      0u)
      << setPlays[0];

  EXPECT_EQ(turnAt(116), SIZE_LINE + "0\n");
  EXPECT_EQ(server.next(), "(say (info " + cops + "))");

  // The second turn: no opponent-positions rule, the learned rule written in
  // readable form under "bla: setplay: " and sent.
  EXPECT_EQ(turnAt(217), SIZE_LINE + "1\n" + readable);
  EXPECT_EQ(server.next(), "(say (info " + setPlays[0] + "))");
}

TEST_F(AdviceTurnTest, VerboseWritesTheMessageBetweenRowsOfHashes) {
  ASSERT_TRUE(server.ok());
  play({{PLAY_ON, 3}});
  std::string cops;
  std::vector<std::string> setPlays;
  expectedRules(cops, setPlays);
  verbose = true;
  const std::string out = turnAt(116);
  const std::string sent = server.next();
  ASSERT_EQ(sent, "(say (info " + cops + "))");
  const std::string tail = SIZE_LINE + "0\n" + HASHES + "\n(info " + cops + ")" + HASHES +
                           "\nSending: " + sent + "\nCMMessage sent.";
  ASSERT_GE(out.size(), tail.size());
  EXPECT_EQ(out.substr(out.size() - tail.size()), tail);
  EXPECT_EQ(out.rfind("COPS: for 100 cycles, if\n", 0), 0u) << "the rule's trace comes first";
}

TEST_F(AdviceTurnTest, RulesThatDoNotFitAreLeftOutOfTheInfoMessage) {
  ASSERT_TRUE(server.ok());
  // Nine kinds of set play, each seen twice with every opponent on the same
  // spot: nine rules of eleven directives, far more than one message holds.
  const int modes[] = {1, 4, 5, 6, 7, 10, 11, 12, 13};
  std::vector<std::pair<int, int>> periods;
  for (int round = 0; round < 2; ++round) {
    for (int m : modes) {
      periods.push_back({m, 1});
      periods.push_back({PLAY_ON, 40});
    }
  }
  play(periods);
  std::string cops;
  std::vector<std::string> learned;
  expectedRules(cops, learned);
  ASSERT_EQ(learned.size(), 9u);

  turnAt(116);
  server.next();
  testing::internal::CaptureStderr();
  const std::string out = turnAt(217);
  const std::string warnings = testing::internal::GetCapturedStderr();
  const std::string sent = server.next();

  ASSERT_FALSE(sent.empty());
  EXPECT_LE(sent.size(), 5119u);
  std::vector<std::string> kept, leftOut;
  for (const std::string& r : learned)
    (sent.find(r) != std::string::npos ? kept : leftOut).push_back(r);
  std::string rebuilt = "(say (info";
  for (const std::string& r : kept) rebuilt.append(" ").append(r);
  EXPECT_EQ(sent, rebuilt + "))") << "kept rules in their order";
  ASSERT_FALSE(leftOut.empty());
  for (const std::string& r : leftOut)
    EXPECT_GT(sent.size() + 1 + r.size(), 5119u) << "would have fit: " << r;
  EXPECT_EQ(warnings, "Warning, left out " + std::to_string(leftOut.size()) +
                          " rules that did not fit into one message.\n");
  EXPECT_EQ(out.rfind(SIZE_LINE + "9\n", 0), 0u);
  std::size_t shown = 0;
  for (std::size_t at = 0;
       (at = out.find("bla: setplay: for 1800 cycles, if\n", at)) != std::string::npos; ++at)
    ++shown;
  EXPECT_EQ(shown, 9u) << "every learned rule is still shown";
}

class OffsideLineTurnTest : public AnalysisTest {
 protected:
  void twoStates() {
    for (int k = 0; k < 2; ++k) {
      PlayerRecords players = spreadPlayers();
      addState(players, ballAt(players, -1, 1));
    }
  }
  LoopbackServer server;
};

TEST_F(OffsideLineTurnTest, RunsOnItsOwnTimer) {
  ASSERT_TRUE(server.ok());
  PlayerRecords players = spreadPlayers();
  addState(players, ballAt(players, -1, 1));
  currentTime = 100;
  runOffsideLineTurn();
  EXPECT_EQ(server.next(), "") << "100 is not more than the interval";
  currentTime = 101;
  runOffsideLineTurn();
  EXPECT_EQ(server.next(), "") << "one state only";
  EXPECT_EQ(lastOffsideLineTime, 0) << "tried again next time";

  addState(players, ballAt(players, -1, 1));
  currentTime = 102;
  runOffsideLineTurn();
  EXPECT_EQ(server.next().rfind("(say (advice (100 (bowner opp {0}) (do our {0} (oline ", 0), 0u);
  EXPECT_EQ(lastOffsideLineTime, 102);
  currentTime = 202;
  runOffsideLineTurn();
  EXPECT_EQ(server.next(), "") << "not yet again";
  currentTime = 203;
  runOffsideLineTurn();
  EXPECT_NE(server.next(), "");
}

TEST_F(OffsideLineTurnTest, TimerIsSixteenBitsWidenedWithItsSign) {
  ASSERT_TRUE(server.ok());
  twoStates();
  currentTime = 32800;
  runOffsideLineTurn();
  EXPECT_NE(server.next(), "");
  EXPECT_EQ(lastOffsideLineTime, -32736);
  currentTime = 32801;
  runOffsideLineTurn();
  EXPECT_NE(server.next(), "") << "-32736 widened with its sign";
  EXPECT_EQ(lastOffsideLineTime, -32735);
}

TEST_F(OffsideLineTurnTest, SkipsUntilTheServerParametersArrive) {
  ASSERT_TRUE(server.ok());
  twoStates();
  serverParams.reset();
  currentTime = 5000;
  runOffsideLineTurn();
  EXPECT_EQ(server.next(), "");
  EXPECT_EQ(lastOffsideLineTime, 0);
}

}  // namespace
