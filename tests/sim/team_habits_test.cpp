// Team habits: deterministic, on the field, kick-off spots in the own half, home spots that
// keep their field section when shifted with the ball.
#include "sim/team_habits.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

int sectionX(double x) {
  return static_cast<int>(std::floor((x + 52.5) / (105.0 / 11)));
}
int sectionY(double y) {
  return static_cast<int>(std::floor((y + 34) / (68.0 / 7)));
}

TEST(TeamHabitsTest, SameSeedSameHabitsOtherSeedOthers) {
  TeamHabits a = makeTeamHabits(5, 1);
  TeamHabits b = makeTeamHabits(5, 1);
  TeamHabits c = makeTeamHabits(6, 1);
  bool differ = false;
  for (int n = 0; n < TEAM_SIZE; ++n) {
    EXPECT_EQ(a.homeOwn[n].x, b.homeOwn[n].x) << n;
    EXPECT_EQ(a.setPlay[CORNER_KICK_L][n].y, b.setPlay[CORNER_KICK_L][n].y) << n;
    differ = differ || a.homeOpp[n].x != c.homeOpp[n].x;
  }
  EXPECT_TRUE(differ);
}

TEST(TeamHabitsTest, SpotsLieOnTheFieldAndKickOffsInTheOwnHalf) {
  for (unsigned seed = 1; seed <= 20; ++seed) {
    for (int side = 0; side < 2; ++side) {
      TeamHabits h = makeTeamHabits(seed, side);
      double own = side == 0 ? -1 : 1;  // sign of x in the own half
      for (int n = 0; n < TEAM_SIZE; ++n) {
        for (int mode = 0; mode < SET_PLAY_MODE_COUNT; ++mode) {
          const Spot& s = h.setPlay[mode][n];
          EXPECT_LE(std::fabs(s.x), 51.0) << seed << side << mode << n;
          EXPECT_LE(std::fabs(s.y), 32.5) << seed << side << mode << n;
        }
        for (int mode : {BEFORE_KICK_OFF, KICK_OFF_L, KICK_OFF_R}) {
          EXPECT_GT(h.setPlay[mode][n].x * own, 0.5) << seed << side << mode << n;
        }
        // At the other side's kick-off everybody keeps out of the centre circle.
        const Spot& s = h.setPlay[KICK_OFF_L + 1 - side][n];
        EXPECT_GE(std::hypot(s.x, s.y), 9.15) << seed << side << n;
      }
      EXPECT_LT(std::fabs(h.homeOwn[GOALIE_NUMBER - 1].x), 52.5);
      EXPECT_GT(std::fabs(h.homeOwn[GOALIE_NUMBER - 1].x), 42.95) << "goalkeeper at his goal";
    }
  }
}

TEST(TeamHabitsTest, ShiftedHomeStaysInTheSectionOfTheHomeSpot) {
  const Spot balls[] = {{52, 34}, {-52, -34}, {52, -34}, {-52, 34}, {0, 0}};
  for (unsigned seed = 1; seed <= 20; ++seed) {
    for (int side = 0; side < 2; ++side) {
      TeamHabits h = makeTeamHabits(seed, side);
      for (bool ownBall : {true, false}) {
        for (int n = 0; n < TEAM_SIZE; ++n) {
          const Spot& home = ownBall ? h.homeOwn[n] : h.homeOpp[n];
          for (const Spot& ball : balls) {
            Spot shifted = shiftedHome(h, n, ownBall, ball);
            EXPECT_EQ(sectionX(shifted.x), sectionX(home.x)) << seed << side << ownBall << n;
            EXPECT_EQ(sectionY(shifted.y), sectionY(home.y)) << seed << side << ownBall << n;
          }
        }
      }
    }
  }
}

TEST(TeamHabitsTest, SetPlayModeNamesRoundTrip) {
  EXPECT_STREQ(setPlayModeName(BEFORE_KICK_OFF), "before_kick_off");
  EXPECT_STREQ(setPlayModeName(GOAL_KICK_R), "goal_kick_r");
  EXPECT_STREQ(setPlayModeName(SET_PLAY_MODE_COUNT), "");
  for (int mode = 0; mode < SET_PLAY_MODE_COUNT; ++mode) {
    EXPECT_EQ(setPlayModeOfName(setPlayModeName(mode)), mode) << mode;
  }
  EXPECT_EQ(setPlayModeOfName("play_on"), -1);
  EXPECT_EQ(takingSideOf(CORNER_KICK_R), 1);
  EXPECT_EQ(takingSideOf(KICK_IN_L), 0);
  EXPECT_EQ(takingSideOf(BEFORE_KICK_OFF), -1);
}

}  // namespace
