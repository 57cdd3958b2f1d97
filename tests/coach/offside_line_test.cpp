// Offside-line positioning: averaged opponent positions, the line rule on both
// sides, and the routine of the offside-line turn with its lock and timer.
#include "coach/offside_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "coach/marking.h"
#include "coach_language/cm_tok_rule.h"
#include "tests/coach/advice_fixtures.h"

namespace {

using namespace advice_test;

constexpr double TOLERANCE = 1e-9;
const double EXAMPLE_X[11] = {50, 30, -10, -20, -40, 0, 10, 20, 25, 35, 45};

std::string text(const CM_TokRule& rule) {
  std::ostringstream out;
  rule.print(out);
  return out.str();
}

class OffsideLineTest : public AnalysisTest {
 protected:
  // A state with opponent n at (EXAMPLE_X[n - 1], n), then a newest state with
  // every opponent at (0, 20) (which must not be sampled); opponent 5 holds the
  // ball in both.
  void exampleHistory() {
    PlayerRecords players = spreadPlayers();
    for (int n = 1; n <= 11; ++n) place(players, -ownSide, n, EXAMPLE_X[n - 1], n);
    addState(players, ballAt(players, -ownSide, 5));
    PlayerRecords newest = spreadPlayers();
    for (int n = 1; n <= 11; ++n) place(newest, -ownSide, n, 0, 20);
    addState(newest, ballAt(newest, -ownSide, 5));
  }
};

TEST_F(OffsideLineTest, AveragePositionSamplesOnlyOlderStatesOnTheField) {
  const Point spots[] = {{10, 5}, {60, 0}, {20, 15}, {40, 0}};  // states 0 to 3; state 1 off field
  for (const Point& p : spots) {
    PlayerRecords players = spreadPlayers();
    place(players, -1, 7, p.x, p.y);
    addState(players, freeBall());
  }
  const StateHistory& h = stateHistory();
  struct Case {
    const char* name;
    int from;
    int16_t count;
    Point expected;
  };
  const Case cases[] = {
      {"one sample, newest left out", 3, 1, {20, 15}},
      {"off-field state does not count", 3, 2, {15, 10}},
      {"reaches the first state", 3, 50, {15, 10}},
      {"first state has nothing before it", 0, 50, {0, 0}},
      {"only an off-field state before", 2, 1, {10, 5}},
      {"count 0", 3, 0, {0, 0}},
  };
  for (const Case& c : cases) {
    const Point p = averagePosition(h[c.from].get(), 7, -1, c.count);
    EXPECT_NEAR(p.x, c.expected.x, TOLERANCE) << c.name;
    EXPECT_NEAR(p.y, c.expected.y, TOLERANCE) << c.name;
  }
  EXPECT_NEAR(averagePosition(h[3].get(), 7, 1, 1).x, 3, TOLERANCE) << "side 1 reads slot 6";
}

TEST_F(OffsideLineTest, LineAtTheSecondMostAdvancedOpponent) {
  struct Case {
    const char* name;
    int side;
    std::string quad;
  };
  const Case cases[] = {
      {"own team left", 1, "(quad (pt -20 -34) (pt -20 -34) (pt -20 34) (pt -20 34))"},
      {"own team right", -1, "(quad (pt -45 34) (pt -45 34) (pt -45 -34) (pt -45 -34))"},
  };
  for (const Case& c : cases) {
    resetStateHistory();
    ownSide = c.side;
    exampleHistory();
    EXPECT_EQ(text(*buildOffsideLineRule()),
              "(100 (bowner opp {0}) (do our {0} (oline " + c.quad + ")))")
        << c.name;
  }
}

class OlineRoutineTest : public OffsideLineTest {
 protected:
  LoopbackServer server;
};

TEST_F(OlineRoutineTest, SendsLineMarkingAndPositioningAsOneAdvice) {
  ASSERT_TRUE(server.ok());
  exampleHistory();
  currentTime = 1234;
  int16_t lastRun = 7;
  // The expected rules, built before (the analysis reads the history only).
  const std::string line = text(*buildOffsideLineRule());
  const auto marking = buildPositioningRules(0, true);
  ASSERT_NE(marking, nullptr);
  ASSERT_EQ(marking->size(), 2u);
  const std::string expected =
      "(say (advice " + line + " " + text(*(*marking)[0]) + " " + text(*(*marking)[1]) + "))";

  testing::internal::CaptureStdout();
  markOlinePositioning(lastRun);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << "quiet without verbose";
  EXPECT_EQ(server.next(), expected);
  EXPECT_EQ(lastRun, 1234);
  EXPECT_FALSE(olineLock);
}

TEST_F(OlineRoutineTest, VerboseTrace) {
  ASSERT_TRUE(server.ok());
  exampleHistory();
  const auto marking = buildPositioningRules(0, true);
  ASSERT_NE(marking, nullptr);
  const std::string rules = text(*(*marking)[0]) + text(*(*marking)[1]);
  verbose = true;
  int16_t lastRun = 0;
  testing::internal::CaptureStdout();
  markOlinePositioning(lastRun);
  const std::string trace = testing::internal::GetCapturedStdout();
  const std::string sent = server.next();
  EXPECT_EQ(trace, "Starting to do markOlinePositioning\n" + rules + "Sending: " + sent +
                       "\nCMMessage sent.Unlocking markOlinePos()\n");
}

TEST_F(OlineRoutineTest, ReturnsAtOnceWithOneStateOrWhileLocked) {
  ASSERT_TRUE(server.ok());
  verbose = true;
  currentTime = 500;
  PlayerRecords players = spreadPlayers();
  addState(players, freeBall());
  int16_t lastRun = 3;
  testing::internal::CaptureStdout();
  markOlinePositioning(lastRun);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << "one state";
  EXPECT_EQ(lastRun, 3) << "one state";
  EXPECT_EQ(server.next(), "") << "one state";

  addState(players, freeBall());
  olineLock = true;
  testing::internal::CaptureStdout();
  markOlinePositioning(lastRun);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << "locked";
  EXPECT_EQ(lastRun, 3) << "locked";
  EXPECT_EQ(server.next(), "") << "locked";
  EXPECT_TRUE(olineLock) << "locked";
}

TEST_F(OlineRoutineTest, FailedSendStillRecordsTheRun) {
  exampleHistory();
  currentTime = 300;
  serverLink.socket = -1;  // nothing to send through
  int16_t lastRun = 0;
  testing::internal::CaptureStderr();
  markOlinePositioning(lastRun);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "CMMessage NOT sent.");
  EXPECT_EQ(lastRun, 300);
}

}  // namespace
