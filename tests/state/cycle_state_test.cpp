// Cycle state construction: ball owner and possession, nearest players, initial
// marks and the read accessors.
#include "state/cycle_state.h"

#include <gtest/gtest.h>

#include "tests/state/history_builder.h"

namespace {

using CycleStateTest = HistoryTest;

TEST_F(CycleStateTest, OwnerIsTheNearestPlayerWithinReachInclusive) {
  struct Case {
    const char* name;
    double playerX;
    int owner;
  };
  const Case cases[] = {
      {"exactly 1.1 owns", 1.1, 4},
      {"1.1000001 does not", 1.1000001, -1},
      {"on the ball", 0.0, 4},
  };
  for (const Case& c : cases) {
    resetStateHistory();
    players = {};
    place(4, c.playerX, 0);
    place(15, 30, 0);
    const CycleState& s = append(0, 0);
    EXPECT_EQ(s.owner, c.owner) << c.name;
    // The first state has no previous: nobody owning the ball means side 0.
    EXPECT_EQ(s.possessionSide, c.owner == -1 ? 0 : 1) << c.name;
    EXPECT_EQ(s.previous, nullptr) << c.name;
  }
}

TEST_F(CycleStateTest, PossessionIsCarriedThroughFreeBallStates) {
  place(14, 0.5, 0);  // right number 4
  place(2, 20, 0);
  EXPECT_EQ(append(0, 0).possessionSide, -1);
  EXPECT_EQ(append(5, 0).possessionSide, -1);   // free ball
  EXPECT_EQ(append(10, 0).possessionSide, -1);  // free ball
  const CycleState& left = append(20, 1.1);     // left number 3 at exactly 1.1
  EXPECT_EQ(left.owner, 2);
  EXPECT_EQ(left.possessionSide, 1);
  const CycleState& free = append(20, 1.1000001);
  EXPECT_EQ(free.owner, -1);
  EXPECT_EQ(free.possessionSide, 1);
  EXPECT_EQ(free.previous, &at(3));
}

TEST_F(CycleStateTest, TiesGoToTheLowerSlotAndKeepSlotOrderAmongNearest) {
  place(14, -1, 0);
  place(5, 0, 1);
  place(3, 0, -1);
  place(20, 3, 0);
  const CycleState& s = append(0, 0);
  EXPECT_EQ(s.owner, 3);
  EXPECT_EQ(s.possessionSide, 1);
  // Slots 3, 5 and 14 are all 1 away: they stay in slot order, then slot 20.
  const double expectedX[] = {0, 0, -1, 3};
  const double expectedY[] = {-1, 1, 0, 0};
  const int expectedSide[] = {1, 1, -1, -1};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(s.nearestToBall[i].x, expectedX[i]) << "entry " << i;
    EXPECT_EQ(s.nearestToBall[i].y, expectedY[i]) << "entry " << i;
    EXPECT_EQ(s.nearestToBall[i].side, expectedSide[i]) << "entry " << i;
  }
}

TEST_F(CycleStateTest, NearestToBallHoldsEightNearestWithDistanceAndDirection) {
  // Ten listed players on the x axis at distances 10, 9, ... 1 (slot order reversed).
  for (int slot = 0; slot < 10; ++slot) place(slot, 10 - slot, 0);
  place(11, 0, -2.5);
  const CycleState& s = append(0, 0);
  const double expectedDistance[] = {1, 2, 2.5, 3, 4, 5, 6, 7};
  for (int i = 0; i < 8; ++i) {
    EXPECT_NEAR(s.nearestToBall[i].ballDistance, expectedDistance[i], 1e-9) << "entry " << i;
  }
  // Players on +x look back at the ball (about 180); the one below it looks up (about 90).
  EXPECT_NEAR(s.nearestToBall[0].ballDirection, 180, 1e-6);
  EXPECT_NEAR(s.nearestToBall[2].ballDirection, 90, 1e-6);
  EXPECT_EQ(s.nearestToBall[2].side, -1);
  // Only position, side, distance and direction are filled.
  EXPECT_EQ(s.nearestToBall[0].action, 0);
  EXPECT_FALSE(s.nearestToBall[0].listed);
}

TEST_F(CycleStateTest, UnlistedSlotsNeitherOwnNorCountAsNearest) {
  // Unlisted slots are zero records on the centre spot, right under the ball.
  place(7, 4, 3);
  const CycleState& s = append(0, 0);
  EXPECT_EQ(s.owner, -1);
  EXPECT_EQ(s.possessionSide, 0);
  EXPECT_EQ(s.nearestToBall[0].x, 4);
  EXPECT_NEAR(s.nearestToBall[0].ballDistance, 5, 1e-9);
  for (int i = 1; i < 8; ++i) {
    EXPECT_EQ(s.nearestToBall[i].side, 0) << "entry " << i;
    EXPECT_EQ(s.nearestToBall[i].ballDistance, 0) << "entry " << i;
  }
}

TEST_F(CycleStateTest, NewStateStartsWithoutMarksAndKeepsTheView) {
  teamName = "Us";
  place(0, 1, 1);
  const CycleState& first = append(0, 0, 0, 0, 2);
  const CycleState& s = append(7, -3, 0.5, -0.25, kPlayOn);
  EXPECT_EQ(s.previous, &first);
  EXPECT_EQ(s.cyclesToPass, NO_EVENT);
  EXPECT_EQ(s.cyclesToShot, NO_EVENT);
  EXPECT_EQ(s.cyclesToLoss, NO_EVENT);
  EXPECT_EQ(s.dribbler, -1);
  EXPECT_EQ(s.kickers, 0);
  EXPECT_EQ(s.passSide, 0);
  EXPECT_EQ(s.passer, 0);
  EXPECT_EQ(s.receiver, 0);
  EXPECT_EQ(s.time, 2);
  EXPECT_EQ(s.getPlayMode(), kPlayOn);
  EXPECT_EQ(first.getPlayMode(), 2);
  EXPECT_EQ(s.getBallPos(), (Point{7, -3}));
  EXPECT_EQ(s.getBallVel(), (Point{0.5, -0.25}));
  EXPECT_EQ(&s.teamName, &teamName);
  EXPECT_EQ(s.opponentName, "opponent");
  EXPECT_EQ(s.getPlayers()[0].x, 1);
  for (int16_t tag : s.playerTags) EXPECT_EQ(tag, 0);
  for (const auto& row : s.regionCounts)
    for (const auto& cell : row) EXPECT_EQ(cell[0] + cell[1], 0);
}

TEST_F(CycleStateTest, GoalieAccessorsReadTheRightTeamsSlots) {
  place(14, 0.5, 0);  // right number 4, the owner
  players[14].isGoalie = true;
  place(1, 30, 0);
  players[1].isGoalie = true;  // left number 2
  const CycleState& s = append(0, 0);
  EXPECT_TRUE(s.isGoalie(3, -1));
  EXPECT_FALSE(s.isGoalie(3, 1));
  EXPECT_TRUE(s.isGoalie(1, 1));
  EXPECT_FALSE(s.isGoalie(-1, 1));
  EXPECT_FALSE(s.isGoalie(11, 1));  // outside the team, even though slot 11 exists
  EXPECT_FALSE(s.isGoalie(11, -1));
  EXPECT_EQ(s.getGoalieNumber(-1), 4);
  EXPECT_EQ(s.getGoalieNumber(1), 2);
  EXPECT_TRUE(s.ownerIsGoalie(-1));
  EXPECT_FALSE(s.ownerIsGoalie(1));
  EXPECT_TRUE(s.rightHasBall());
  EXPECT_FALSE(s.leftHasBall());

  players[14].isGoalie = false;
  const CycleState& none = append(0, 0);
  EXPECT_EQ(none.getGoalieNumber(-1), -1);
  EXPECT_FALSE(none.ownerIsGoalie(-1));
  // Nobody owns the ball: no side's goalie does.
  const CycleState& free = append(10, 10);
  EXPECT_FALSE(free.ownerIsGoalie(1));
  EXPECT_FALSE(free.ownerIsGoalie(-1));
}

TEST_F(CycleStateTest, PlayerPositionBySideAndNumber) {
  place(0, -50, 1);
  place(10, 20, 2);
  place(11, 50, -1);
  place(21, -20, -2);
  const CycleState& s = append(0, 0);
  EXPECT_EQ(s.getPlayerPos(1, 1), (Point{-50, 1}));
  EXPECT_EQ(s.getPlayerPos(1, 11), (Point{20, 2}));
  EXPECT_EQ(s.getPlayerPos(-1, 1), (Point{50, -1}));
  EXPECT_EQ(s.getPlayerPos(-1, 11), (Point{-20, -2}));
  EXPECT_EQ(s.getPlayerPos(1, 12), (Point{0, 0}));
  EXPECT_EQ(s.getPlayerPos(-1, 0), (Point{0, 0}));
}

TEST_F(CycleStateTest, StatesKeepTheirAddressesWhileTheHistoryGrows) {
  place(0, 0, 0);
  const CycleState* first = &append(0, 0);
  for (int i = 0; i < 1000; ++i) append(0, 0);
  EXPECT_EQ(&at(0), first);
  EXPECT_EQ(at(1).previous, first);
  EXPECT_EQ(at(1000).previous, &at(999));
}

}  // namespace
