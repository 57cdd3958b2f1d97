// Kick recognition from the ball's velocity, the kickers set, and the ball's
// movement and reach.
#include "state/kicks.h"

#include <gtest/gtest.h>

#include <limits>

#include "state/ball_path.h"
#include "tests/state/history_builder.h"

namespace {

using KickTest = HistoryTest;

TEST_F(KickTest, GrowthOfEitherVelocityComponentIsAKickByTheOwner) {
  struct Case {
    const char* name;
    BallState before;
    BallState after;
    double ownerDistance;
    bool kicked;
  };
  const Case cases[] = {
      {"|vx| equal, |vy| drops", {0, 0, 1, 1}, {0, 0, -1, 0.5}, 0.5, false},
      {"|vx| grows with opposite sign", {0, 0, 1, 0}, {0, 0, -1.0001, 0}, 0.5, true},
      {"|vy| grows", {0, 0, 0, -0.2}, {0, 0, 0, 0.3}, 0.5, true},
      {"growth with nobody within reach", {0, 0, 0, 0}, {0, 0, 2, 0}, 1.2, false},
      {"both stay equal", {0, 0, 0.3, -0.3}, {0, 0, -0.3, 0.3}, 0.5, false},
  };
  for (const Case& c : cases) {
    resetStateHistory();
    players = {};
    place(6, c.ownerDistance, 0);
    CycleState& first = append(c.before.x, c.before.y, c.before.vx, c.before.vy);
    CycleState& second = append(c.after.x, c.after.y, c.after.vx, c.after.vy);
    EXPECT_EQ(second.players[6].action, c.kicked ? KICKED : 0) << c.name;
    EXPECT_EQ(second.kickers, c.kicked ? 1 : 0) << c.name;
    // The check only ever marks the newest state.
    EXPECT_EQ(first.players[6].action, 0) << c.name;
    EXPECT_EQ(first.kickers, 0) << c.name;
  }
}

TEST_F(KickTest, FirstStateIsNeverMarked) {
  place(3, 0, 0);
  const CycleState& s = append(0, 0, 3, 3);
  EXPECT_EQ(s.players[3].action, 0);
  EXPECT_EQ(s.kickers, 0);
}

TEST_F(KickTest, RightOwnerAddsTheRightSide) {
  place(20, 0, 0.4);
  append(0, 0, 0, 0);
  const CycleState& s = append(0, 0, 0.5, 0);
  EXPECT_EQ(s.owner, 20);
  EXPECT_EQ(s.players[20].action, KICKED);
  EXPECT_EQ(s.kickers, 2);
}

TEST_F(KickTest, KickersIsTheUnionOfKickingSides) {
  place(0, 0, 0);
  CycleState& s = append(50, 0);  // nobody owns the ball
  EXPECT_EQ(s.owner, -1);
  registerKick(s);  // not attributed
  EXPECT_EQ(s.kickers, 0);
  s.players[2].action = KICKED;
  s.players[9].action = KICKED;
  updateKickers(s);
  EXPECT_EQ(s.kickers, 1);
  updateKickers(s);
  EXPECT_EQ(s.kickers, 1);  // a side is added once only
  s.players[12].action = KICKED;
  updateKickers(s);
  EXPECT_EQ(s.kickers, 3);
  updateKickers(s);
  EXPECT_EQ(s.kickers, 3);
}

TEST(BallReachesTest, SpeedDecaysAndTheSpeedTestComesFirst) {
  // Values of a ball far out of the field; each case must end.
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    double distance;
    double speed;
    bool reaches;
  };
  const Case cases[] = {
      {0.5, 0.6, true},       // passed after one step
      {3.0, 0.6, false},      // the whole run, 3.0, never exceeds 3.0
      {150, 10, false},       // beyond the farthest reach
      {100, 50, true},        // 100 itself is not beyond it
      {1000, 50, false},      // "no distance"
      {-1, 0.5, true},        // already past
      {-1, 0.01, false},      // too slow to move at all
      {0.005, 0.012, false},  // passes it, but its speed has then fallen to 0.01
      {14.9, 3, true},        // run of 3 / 0.2 = 15
      {10, 2, false},         // run of 2 / 0.2 = 10 only approaches 10
      {50, kInfinity, true},  // an infinite speed passes any distance it may travel
      {kNaN, kInfinity, false}, {kNaN, 3, false}, {1, kNaN, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ballReaches(c.distance, c.speed), c.reaches)
        << "distance " << c.distance << " speed " << c.speed;
  }
}

TEST_F(KickTest, BallMovementFromThePreviousBallPosition) {
  const CycleState& first = append(1, 1);
  const BallMovement none = ballMovement(first);
  EXPECT_EQ(none.distance, 0);
  EXPECT_EQ(none.direction, 0);
  const BallMovement m = ballMovement(append(4, 5));
  EXPECT_NEAR(m.distance, 5, 1e-12);
  EXPECT_NEAR(m.direction, 53.130102, 1e-5);
  const BallMovement back = ballMovement(append(4, 2));
  EXPECT_NEAR(back.distance, 3, 1e-12);
  EXPECT_NEAR(back.direction, -90, 1e-6);  // not normalised
}

}  // namespace
