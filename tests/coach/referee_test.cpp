// Referee hear messages (play modes, flags, goals, malformed texts) and the
// play-mode classification seen from either side.
#include "coach/referee.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "coach/intake_records.h"
#include "state/history.h"
#include "state/settings.h"

namespace {

using ::testing::internal::CaptureStderr;
using ::testing::internal::CaptureStdout;
using ::testing::internal::GetCapturedStderr;
using ::testing::internal::GetCapturedStdout;

class RefereeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetSettings();
    resetIntakeRecords();
    verbose = true;
  }
  void TearDown() override {
    resetSettings();
    resetIntakeRecords();
  }
  // Runs parse_hear on a copy of text; returns what it wrote to (stdout, stderr).
  std::pair<std::string, std::string> hear(const std::string& text) {
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    CaptureStdout();
    CaptureStderr();
    parse_hear(buffer.data());
    std::string out = GetCapturedStdout();
    return {out, GetCapturedStderr()};
  }
};

struct HearCase {
  const char* text;
  short playMode;  // starts at 7 (kick_in_r) for every case
  bool gameOver, halfTime, extended;
  int leftGoals, rightGoals;
  const char* out;
  const char* err;
};

TEST_F(RefereeTest, HearTable) {
  const char* malformed = "Warning, malformed hear message ignored.\n";
  const std::vector<HearCase> cases = {
      {"(hear 10 referee play_on)", 3, false, false, false, 0, 0, "New playmode: play_on\n", ""},
      {"(hear 10 referee )", 0, false, false, false, 0, 0, "New playmode: \n", ""},
      {"(hear 10 referee time_over)", 2, true, false, false, 0, 0, "New playmode: time_over\n", ""},
      {"(hear 10 referee time_up)", 2, true, false, false, 0, 0, "", ""},
      {"(hear 10 referee time_up_without_a_team)", 2, true, false, false, 0, 0, "", ""},
      {"(hear 10 referee time_u)", 7, false, false, false, 0, 0, "",
       "Did not understand referee's playmode message:time_u\n"},
      {"(hear 10 referee goal_l_1)", 14, false, false, false, 1, 0, "", ""},
      {"(hear 10 referee goal_r_3)", 15, false, false, false, 0, 1, "", ""},
      {"(hear 10 referee goal_l)", 14, false, false, false, 0, 0, "New playmode: goal_l\n", ""},
      {"(hear 10 referee half_time)", 7, false, true, false, 0, 0, "", ""},
      {"(hear 10 referee time_extended)", 7, false, false, true, 0, 0, "", ""},
      // Only the first 6, 9 and 13 characters are compared.
      {"(hear 10 referee goal_rx)", 15, false, false, false, 0, 1, "", ""},
      {"(hear 10 referee half_time_2)", 7, false, true, false, 0, 0, "", ""},
      {"(hear 10 referee time_extended_x)", 7, false, false, true, 0, 0, "", ""},
      {"(hear 10 referee half_tim)", 7, false, false, false, 0, 0, "",
       "Did not understand referee's playmode message:half_tim\n"},
      {"(hear 10 referee foul_x)", 7, false, false, false, 0, 0, "",
       "Did not understand referee's playmode message:foul_x\n"},
      {"(hear 10 referee play_on extra)", 7, false, false, false, 0, 0, "",
       "Did not understand referee's playmode message:play_on extra\n"},
      {"(hear 10 left play_on)", 7, false, false, false, 0, 0, "", ""},
      {"(hear 10 referees play_on)", 7, false, false, false, 0, 0, "", ""},
      {"(hear 10 left play_on", 7, false, false, false, 0, 0, "", ""},
      {"(hear 10 referee play_on", 7, false, false, false, 0, 0, "", malformed},
      {"(hear 10 referee", 7, false, false, false, 0, 0, "", malformed},
      {"(hear 10 ", 7, false, false, false, 0, 0, "", malformed},
      {"(hear 10", 7, false, false, false, 0, 0, "", malformed},
      {"(hear", 7, false, false, false, 0, 0, "", malformed},
      // The sender is looked for after the first blank at or after index 6.
      {"(heard 10 referee play_on)", 7, false, false, false, 0, 0, "", ""},
      {"(hear 1 referee play_on)", 3, false, false, false, 0, 0, "New playmode: play_on\n", ""},
      {"(see 10 referee play_on)", 7, false, false, false, 0, 0, "", ""},
  };
  for (const auto& c : cases) {
    resetIntakeRecords();
    currentPlayMode = 7;
    auto [out, err] = hear(c.text);
    EXPECT_EQ(currentPlayMode, c.playMode) << c.text;
    EXPECT_EQ(gameOver, c.gameOver) << c.text;
    EXPECT_EQ(halfTimeSeen, c.halfTime) << c.text;
    EXPECT_EQ(extendedTimeSeen, c.extended) << c.text;
    EXPECT_EQ(leftGoals, c.leftGoals) << c.text;
    EXPECT_EQ(rightGoals, c.rightGoals) << c.text;
    EXPECT_EQ(out, c.out) << c.text;
    EXPECT_EQ(err, c.err) << c.text;
  }
}

TEST_F(RefereeTest, QuietWithoutVerbose) {
  verbose = false;
  auto [out, err] = hear("(hear 1 referee nonsense)");
  EXPECT_EQ(out + err, "");
  auto [out2, err2] = hear("(hear 1 referee play_on");
  EXPECT_EQ(out2 + err2, "");
}

TEST_F(RefereeTest, GoalThenKickOffAndFlagsPersist) {
  hear("(hear 50 referee goal_l_1)");
  hear("(hear 51 referee goal_l_2)");
  hear("(hear 99 referee kick_off_r)");
  EXPECT_EQ(leftGoals, 2);
  EXPECT_EQ(currentPlayMode, 5);
  hear("(hear 100 referee time_over)");
  hear("(hear 101 referee play_on)");
  EXPECT_TRUE(gameOver) << "gameOver is never cleared";
  EXPECT_EQ(currentPlayMode, 3);
}

TEST(RefereeModeNames, NumberingEnds) {
  EXPECT_STREQ(refereeModeNames[0], "");
  EXPECT_STREQ(refereeModeNames[3], "play_on");
  EXPECT_STREQ(refereeModeNames[13], "goal_kick_r");
  EXPECT_STREQ(refereeModeNames[21], "first_half_over");
  EXPECT_STREQ(refereeModeNames[31], "foul_ballout_r");
}

TEST(ClassifyPlayMode, BothSides) {
  // play mode -> code with the own team on the left, and on the right.
  const int left[19] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 16, 17, 0, 0, 0};
  const int right[19] = {0, 1, 2, 3, 5, 4, 7, 6, 9, 8, 11, 10, 13, 12, 17, 16, 0, 0, 0};
  for (int mode = 0; mode < 19; ++mode) {
    CaptureStderr();
    EXPECT_EQ(classifyPlayMode(mode, 1), left[mode]) << "mode " << mode;
    EXPECT_EQ(classifyPlayMode(mode, -1), right[mode]) << "mode " << mode;
    EXPECT_EQ(classifyPlayMode(mode, 0), right[mode]) << "trainer, mode " << mode;
    EXPECT_EQ(GetCapturedStderr(), "") << "mode " << mode;
  }
}

TEST(ClassifyPlayMode, StrangeModesWarn) {
  for (int mode : {19, 22, 31, 32, -1}) {
    CaptureStderr();
    EXPECT_EQ(classifyPlayMode(mode, 1), 0) << "mode " << mode;
    EXPECT_EQ(GetCapturedStderr(), "Warning, strange playmode.\n") << "mode " << mode;
  }
}

}  // namespace

namespace {

TEST(ClassifyPlayMode, StateFormUsesOwnSide) {
  resetSettings();
  resetStateHistory();
  appendState(PlayerRecords{}, BallState{}, 1, 8);  // the left team's free kick
  const CycleState& state = *stateHistory().back();
  const struct {
    int side;
    int code;
  } cases[] = {{1, 8}, {-1, 9}, {0, 9}};
  for (const auto& c : cases) {
    ownSide = c.side;
    EXPECT_EQ(classifyPlayMode(state), c.code) << "ownSide " << c.side;
  }
  resetSettings();
  resetStateHistory();
}

}  // namespace
