// Global-view parser: both view forms, slot placement, goalie marker, damaged
// objects, the unknown-kind exit and the trainer statistics.
#include "coach/see_global.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <sstream>
#include <string>

#include "coach/intake_records.h"
#include "state/history.h"
#include "state/settings.h"

namespace {

class SeeGlobalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetSettings();
    resetIntakeRecords();
    resetStateHistory();
  }
  void TearDown() override {
    resetSettings();
    resetIntakeRecords();
    resetStateHistory();
  }

  // Parses a copy of view in a buffer of exactly its size.
  static void parse(const std::string& view) {
    auto buffer = std::make_unique<char[]>(view.size() + 1);
    std::memcpy(buffer.get(), view.c_str(), view.size() + 1);
    parse_see_global(buffer.get());
  }
  // Parses view and returns what it wrote to standard error.
  static std::string parseCapturing(const std::string& view) {
    testing::internal::CaptureStderr();
    parse(view);
    return testing::internal::GetCapturedStderr();
  }
  static const CycleState& newest() { return *stateHistory().back(); }
};

TEST_F(SeeGlobalTest, GlobalFormFillsBallAndPlayers) {
  teamName = "Us";
  ownSide = 1;
  currentPlayMode = 3;
  parse(
      "(see_global 17 ((g l) -52.5 0) ((g r) 52.5 0) ((b) 1.5 -2 0.3 -0.1) "
      "((p \"Us\" 1 goalie) -50 0.5 0.1 0.2 45 -10) ((p \"Them\" 3) 10 5 -0.4 0.25 -90 30))");
  EXPECT_EQ(currentTime, 17);
  ASSERT_EQ(stateHistory().size(), 1u);
  const CycleState& s = newest();
  EXPECT_EQ(s.time, 17);
  EXPECT_EQ(s.playMode, 3);
  EXPECT_EQ(s.ball.x, 1.5);
  EXPECT_EQ(s.ball.y, -2);
  EXPECT_EQ(s.ball.vx, 0.3);
  EXPECT_EQ(s.ball.vy, -0.1);
  const PlayerState& us = s.players[0];
  EXPECT_EQ(us.x, -50);
  EXPECT_EQ(us.y, 0.5);
  EXPECT_EQ(us.vx, 0.1);
  EXPECT_EQ(us.vy, 0.2);
  EXPECT_EQ(us.bodyAngle, 45);
  EXPECT_EQ(us.neckAngle, -10);
  EXPECT_EQ(us.side, 1);
  EXPECT_TRUE(us.isGoalie);
  EXPECT_TRUE(us.listed);
  EXPECT_EQ(us.action, 0);
  const PlayerState& them = s.players[13];
  EXPECT_EQ(them.x, 10);
  EXPECT_EQ(them.y, 5);
  EXPECT_EQ(them.vx, -0.4);
  EXPECT_EQ(them.vy, 0.25);
  EXPECT_EQ(them.bodyAngle, -90);
  EXPECT_EQ(them.neckAngle, 30);
  EXPECT_EQ(them.side, -1);
  EXPECT_FALSE(them.isGoalie);
  for (int slot = 0; slot < 22; ++slot) {
    if (slot != 0 && slot != 13) {
      EXPECT_FALSE(s.players[slot].listed) << "slot " << slot;
    }
  }
}

TEST_F(SeeGlobalTest, LongFormReadsCycleAfterTheWordAndNameUpToTheBlank) {
  teamName = "Us";
  ownSide = 1;
  parse(
      "(see 42 ((goal l) -52.5 0) ((ball) 1 2 3 4) ((player Us 3) 1 2 3 4 5 6) "
      "((player Them 10 goalie) -1 -2 -3 -4 -5 -6))");
  EXPECT_EQ(currentTime, 42);
  const CycleState& s = newest();
  EXPECT_EQ(s.ball.x, 1);
  EXPECT_EQ(s.ball.vy, 4);
  const PlayerState& us = s.players[2];
  EXPECT_TRUE(us.listed);
  EXPECT_EQ(us.side, 1);
  EXPECT_EQ(us.x, 1);
  EXPECT_EQ(us.neckAngle, 6);
  EXPECT_FALSE(us.isGoalie);
  const PlayerState& them = s.players[20];
  EXPECT_TRUE(them.listed);
  EXPECT_EQ(them.side, -1);
  EXPECT_EQ(them.y, -2);
  EXPECT_EQ(them.bodyAngle, -5);
  EXPECT_TRUE(them.isGoalie);
}

TEST_F(SeeGlobalTest, SlotsAndSidesFollowTheOwnSide) {
  struct Case {
    const char* name;
    bool trainer;
    const char* team;
    int side;
    int slotOfA, sideOfA;
    int slotOfB, sideOfB;
  };
  const Case cases[] = {
      {"own side left", false, "A", 1, 2, 1, 13, -1},
      {"own side right", false, "A", -1, 13, -1, 2, 1},
      {"trainer with the second team named", true, "B", 0, 2, 0, 13, 0},
      {"trainer with the first team named", true, "A", 0, 13, 0, 2, 0},
      {"trainer without a team name", true, "", 0, 2, 0, 13, 0},
  };
  for (const Case& c : cases) {
    resetStateHistory();
    trainerMode = c.trainer;
    teamName = c.team;
    ownSide = c.side;
    parse("(see_global 5 ((p \"A\" 3) 1 0 0 0 0 0) ((p \"B\" 3) 2 0 0 0 0 0))");
    const CycleState& s = newest();
    EXPECT_EQ(s.players[c.slotOfA].x, 1) << c.name;
    EXPECT_EQ(s.players[c.slotOfA].side, c.sideOfA) << c.name;
    EXPECT_EQ(s.players[c.slotOfB].x, 2) << c.name;
    EXPECT_EQ(s.players[c.slotOfB].side, c.sideOfB) << c.name;
  }
}

TEST_F(SeeGlobalTest, TrainerWithoutTeamNameKeepsTheFirstTeamSeenOnTheLeft) {
  trainerMode = true;
  // No player in the first view: nothing is learned yet.
  parse("(see_global 1 ((b) 0 0 0 0))");
  parse("(see_global 2 ((p \"L\" 3) 1 0 0 0 0 0) ((p \"R\" 3) 2 0 0 0 0 0))");
  // A view in which the left team lists nobody (or comes second) keeps the
  // right team on the right.
  parse("(see_global 3 ((p \"R\" 3) 3 0 0 0 0 0))");
  EXPECT_EQ(newest().players[13].x, 3);
  EXPECT_FALSE(newest().players[2].listed);
  parse("(see_global 4 ((p \"R\" 4) 4 0 0 0 0 0) ((p \"L\" 4) 5 0 0 0 0 0))");
  EXPECT_EQ(newest().players[14].x, 4);
  EXPECT_EQ(newest().players[3].x, 5);
  for (const PlayerState& p : newest().players) EXPECT_EQ(p.side, 0);

  // A new history learns the left team afresh.
  resetStateHistory();
  parse("(see_global 1 ((p \"A\" 3) 1 0 0 0 0 0) ((p \"L\" 3) 2 0 0 0 0 0))");
  EXPECT_EQ(newest().players[2].x, 1);
  EXPECT_EQ(newest().players[13].x, 2);
}

TEST_F(SeeGlobalTest, NumberThatCannotBeReadKeepsTheRecordsValue) {
  teamName = "Us";
  ownSide = 1;
  // The second ball and player objects repeat the first with one number unreadable.
  parse(
      "(see_global 1 ((b) 1 2 3 4) ((b) 5 x 7 8) ((p \"Us\" 2 goalie) 1 2 3 4 5 6) "
      "((p \"Us\" 2) 7 8 x 10 11 12))");
  const CycleState& s = newest();
  EXPECT_EQ(s.ball.x, 5);
  EXPECT_EQ(s.ball.y, 2);
  EXPECT_EQ(s.ball.vx, 7);
  EXPECT_EQ(s.ball.vy, 8);
  const PlayerState& p = s.players[1];
  EXPECT_EQ(p.x, 7);
  EXPECT_EQ(p.y, 8);
  EXPECT_EQ(p.vx, 3);
  EXPECT_EQ(p.vy, 10);
  EXPECT_EQ(p.bodyAngle, 11);
  EXPECT_EQ(p.neckAngle, 12);
  EXPECT_FALSE(p.isGoalie);
}

TEST_F(SeeGlobalTest, GoalieMarkerAfterOneOrTwoDigits) {
  teamName = "Us";
  ownSide = 1;
  parse(
      "(see_global 1 ((p \"Us\" 10 goalie) 1 0 0 0 0 0) ((p \"Us\" 1) 2 0 0 0 0 0) "
      "((p \"Them\" 11 goalie) 3 0 0 0 0 0))");
  const CycleState& s = newest();
  EXPECT_TRUE(s.players[9].isGoalie);
  EXPECT_FALSE(s.players[0].isGoalie);
  EXPECT_TRUE(s.players[21].isGoalie);
  EXPECT_EQ(s.getGoalieNumber(1), 10);
  EXPECT_EQ(s.getGoalieNumber(-1), 11);

  // Only the five characters after the blank before the number are looked at.
  parse(
      "(see_global 2 ((p \"Us\" 10  goalie) 1 0 0 0 0 0) "
      "((p \"Us\" 11   goalie) 2 0 0 0 0 0))");
  EXPECT_TRUE(newest().players[9].isGoalie);
  EXPECT_FALSE(newest().players[10].isGoalie);
}

TEST_F(SeeGlobalTest, TrainerMakesLeftNumberOneTheGoalie) {
  trainerMode = true;
  parse("(see_global 1 ((p \"L\" 1) 1 0 0 0 0 0) ((p \"R\" 1) 2 0 0 0 0 0))");
  EXPECT_TRUE(newest().players[0].isGoalie);
  EXPECT_FALSE(newest().players[11].isGoalie);
}

TEST_F(SeeGlobalTest, NameDifferingOnlyInCaseIsTheOpponent) {
  teamName = "Us";
  ownSide = 1;
  parse("(see_global 1 ((p \"us\" 4) 1 0 0 0 0 0))");
  EXPECT_TRUE(newest().players[14].listed);
  EXPECT_EQ(newest().players[14].side, -1);
  EXPECT_FALSE(newest().players[3].listed);
}

TEST_F(SeeGlobalTest, TwoBlanksShiftTheFollowingFields) {
  teamName = "Us";
  ownSide = 1;
  parse("(see_global 1 ((b) 1  2 3 4) ((p \"Us\" 2) 1  2 3 4 5 6))");
  const CycleState& s = newest();
  EXPECT_EQ(s.ball.x, 1);
  EXPECT_EQ(s.ball.y, 2);
  EXPECT_EQ(s.ball.vx, 2);
  EXPECT_EQ(s.ball.vy, 3);
  const PlayerState& p = s.players[1];
  EXPECT_EQ(p.x, 1);
  EXPECT_EQ(p.y, 2);
  EXPECT_EQ(p.vx, 2);
  EXPECT_EQ(p.vy, 3);
  EXPECT_EQ(p.bodyAngle, 4);
  EXPECT_EQ(p.neckAngle, 5);
}

TEST_F(SeeGlobalTest, GoalsAreSkippedAndAnEmptyViewStillAppends) {
  struct Case {
    const char* name;
    const char* view;
    int time;
  };
  const Case cases[] = {
      {"empty view", "(see_global 99)", 99},
      {"goals only", "(see_global 12 ((g l) -52.5 0) ((g r) 52.5 0))", 12},
      {"long form goals only", "(see 7 ((goal r) 52.5 0))", 7},
  };
  for (const Case& c : cases) {
    resetStateHistory();
    const std::string errors = parseCapturing(c.view);
    EXPECT_EQ(errors, "") << c.name;
    EXPECT_EQ(currentTime, c.time) << c.name;
    ASSERT_EQ(stateHistory().size(), 1u) << c.name;
    const CycleState& s = newest();
    EXPECT_EQ(s.time, c.time) << c.name;
    EXPECT_EQ(s.ball.x, 0) << c.name;
    EXPECT_EQ(s.ball.y, 0) << c.name;
    EXPECT_EQ(s.owner, -1) << c.name;
    EXPECT_EQ(s.possessionSide, 0) << c.name;
    for (const PlayerState& p : s.players) EXPECT_FALSE(p.listed) << c.name;
  }
}

TEST_F(SeeGlobalTest, EveryViewStartsFromFreshRecords) {
  teamName = "Us";
  ownSide = 1;
  parse("(see_global 1 ((b) 5 5 1 1) ((p \"Us\" 2 goalie) 1 2 3 4 5 6))");
  parse("(see_global 2 ((p \"Us\" 3) 1 2 3 4 5 6))");
  const CycleState& s = newest();
  EXPECT_EQ(s.ball.x, 0);
  EXPECT_FALSE(s.players[1].listed);
  EXPECT_FALSE(s.players[1].isGoalie);
  EXPECT_EQ(s.previous, stateHistory().front().get());
}

TEST_F(SeeGlobalTest, DamagedObjectIsSkippedAndTheRestParsed) {
  struct Case {
    const char* name;
    const char* damaged;
    bool ballDamaged;
  };
  const Case cases[] = {
      {"no blank before the number", "((p \"Us\"3) 1 2 3 4 5 6)", false},
      {"no closing quote", "((p \"Us 3) 1 2 3 4 5 6)", false},
      {"no opening quote", "((p Us\" 3) 1 2 3 4 5 6)", false},
      {"no closing parenthesis", "((p \"Us\" 3 1 2 3 4 5 6)", false},
      {"no blank after the parenthesis", "((p \"Us\" 3)1 2 3 4 5 6)", false},
      {"a number missing", "((p \"Us\" 3) 1 2 3 4 5)", false},
      {"uniform number 0", "((p \"Us\" 0) 1 2 3 4 5 6)", false},
      {"uniform number 12", "((p \"Us\" 12) 1 2 3 4 5 6)", false},
      {"no uniform number", "((p \"Us\" x) 1 2 3 4 5 6)", false},
      {"ball without blank", "((b)1 2 3 4)", true},
      {"ball with a number missing", "((b) 1 2 3)", true},
  };
  teamName = "Us";
  ownSide = 1;
  for (const Case& c : cases) {
    resetStateHistory();
    const std::string ball = c.ballDamaged ? "" : "((b) 1 2 3 4) ";
    const std::string view = "(see_global 7 " + ball + c.damaged +
                             " ((p \"Them\" 5) 9 9 0 0 0 0) ((p \"Us\" 4) 8 8 0 0 0 0))";
    EXPECT_EQ(parseCapturing(view), "Warning, skipped a damaged object in the global view.\n")
        << c.name;
    ASSERT_EQ(stateHistory().size(), 1u) << c.name;
    const CycleState& s = newest();
    EXPECT_EQ(s.ball.x, c.ballDamaged ? 0 : 1) << c.name;
    EXPECT_FALSE(s.players[2].listed) << c.name;
    EXPECT_EQ(s.players[15].x, 9) << c.name;
    EXPECT_EQ(s.players[3].x, 8) << c.name;
    int listed = 0;
    for (const PlayerState& p : s.players) listed += p.listed ? 1 : 0;
    EXPECT_EQ(listed, 2) << c.name;
  }
}

TEST_F(SeeGlobalTest, TextEndingInsideAnObjectIsNotReadPast) {
  const char* views[] = {
      "(see_global 7 ((b) 1 2 3 4) ((p \"Us\" 3) 1 2",
      "(see_global 7 ((b) 1 2 3 4) ((p \"Us\" 3)",
      "(see_global 7 ((b) 1 2 3 4) ((p \"Us",
      "(see_global 7 ((b) 1 2 3 4) ((p",
      "(see_global 7 ((b) 1 2 3 4) ((",
      "(see_global 7 ((b) 1 2 3 4) (",
      "(see 7 ((ball) 1 2 3 4) ((player Us",
  };
  teamName = "Us";
  ownSide = 1;
  for (const char* view : views) {
    resetStateHistory();
    EXPECT_EQ(parseCapturing(view), "Warning, skipped a damaged object in the global view.\n")
        << view;
    ASSERT_EQ(stateHistory().size(), 1u) << view;
    EXPECT_EQ(newest().ball.x, 1) << view;
    EXPECT_FALSE(newest().players[2].listed) << view;
  }
}

TEST_F(SeeGlobalTest, CycleNumberThatCannotBeReadKeepsTheTime) {
  currentTime = 30;
  parse("(see_global ((b) 1 2 3 4))");
  EXPECT_EQ(currentTime, 30);
  EXPECT_EQ(newest().ball.x, 1);
}

using SeeGlobalDeathTest = SeeGlobalTest;

TEST_F(SeeGlobalDeathTest, UnknownObjectKindEndsTheProcess) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(parse("(see_global 3 ((b) 0 0 0 0) ((x) 1 2))"), testing::ExitedWithCode(1),
              "There was something wrong in the see_global-msg:x\\) \n");
  EXPECT_EXIT(parse("(see_global 3 ((b) 0 0 0 0) ((q"), testing::ExitedWithCode(1),
              "There was something wrong in the see_global-msg:q\n");
  EXPECT_EXIT(parse("(hear 1 referee play_on)"), testing::ExitedWithCode(1),
              "parse_see_global needs a \\(see_global \\.\\.\\.\\) or \\(see \\.\\.\\.\\) message "
              "and not\n  \\(hear 1 referee play_on\\)\n");
}

TEST_F(SeeGlobalTest, TrainerCountsHalvesGoalieBallAndPossession) {
  trainerMode = true;
  leftGoals = 1;
  rightGoals = 2;
  // The left team is listed first; left 1 is the goalie in trainer mode.
  parse("(see_global 1 ((b) 0 0 0 0) ((p \"L\" 1) 0.5 0 0 0 0 0) ((p \"R\" 1) 40 0 0 0 0 0))");
  parse("(see_global 2 ((b) 3.5 0 0 0) ((p \"L\" 1) 0.5 0 0 0 0 0) ((p \"R\" 1) 40 0 0 0 0 0))");
  parse(
      "(see_global 3 ((b) -20 0 0 0) ((p \"L\" 1) 0.5 0 0 0 0 0) "
      "((p \"R\" 1 goalie) -20 1 0 0 0 0))");
  parse(
      "(see_global 4 ((b) 52.123456 0 0 0) ((p \"L\" 1) 0.5 0 0 0 0 0) "
      "((p \"R\" 5) 52 0 0 0 0 0))");
  EXPECT_EQ(ballLeftHalfCycles, 2);
  EXPECT_EQ(ballRightHalfCycles, 2);
  EXPECT_EQ(leftGoalieBallCycles, 1);
  EXPECT_EQ(rightGoalieBallCycles, 1);
  EXPECT_EQ(leftPossessionCycles, 2);
  EXPECT_EQ(rightPossessionCycles, 2);
  testing::internal::CaptureStderr();
  print_statistics();
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "l,1,2,1,2\n"
            "r,2,2,1,2\n"
            "x,0,3.5,-20,52.1235\n");
}

TEST_F(SeeGlobalTest, TraceOfAWholeGameHasOneValuePerView) {
  trainerMode = true;
  std::string expected = "x,";
  for (int cycle = 1; cycle <= 6000; ++cycle) {
    const double x = (cycle % 105) - 52.25;
    parse("(see_global " + std::to_string(cycle) + " ((b) " + std::to_string(x) + " 0 0 0))");
    if (cycle > 1) expected += ",";
    std::ostringstream value;
    value << x;
    expected += value.str();
  }
  EXPECT_EQ(ballXTrace.size(), 6000u);
  EXPECT_EQ(ballLeftHalfCycles + ballRightHalfCycles, 6000);
  testing::internal::CaptureStderr();
  print_statistics();
  const std::string out = testing::internal::GetCapturedStderr();
  const std::size_t third = out.find("x,");
  ASSERT_NE(third, std::string::npos);
  EXPECT_EQ(out.substr(third), expected + "\n");
}

TEST_F(SeeGlobalTest, CoachModeCountsNoStatistics) {
  ownSide = 1;
  parse("(see_global 1 ((b) 3 0 0 0) ((p \"Them\" 1) 3 0 0 0 0 0))");
  EXPECT_EQ(ballRightHalfCycles, 0);
  EXPECT_EQ(rightPossessionCycles, 0);
  EXPECT_TRUE(ballXTrace.empty());
  testing::internal::CaptureStderr();
  print_statistics();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "l,0,0,0,0\nr,0,0,0,0\nx,\n");
}

}  // namespace
