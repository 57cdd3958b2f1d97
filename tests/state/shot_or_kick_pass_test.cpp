// Shots on goal and kick-based passes recognised from the ball's path after a kick.
#include "state/shot_or_kick_pass.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/state/history_builder.h"

namespace {

class ShotOrKickPassTest : public HistoryTest {
 protected:
  // Appends the owner's kick: a state with the ball still, the kick state where
  // its velocity grows to (vx, vy), and the state after, where it has moved by
  // that velocity. The kicker stands 0.5 below the ball. Returns the kick state's index.
  std::size_t kick(int kickerSlot, double x, double y, double vx, double vy) {
    place(kickerSlot, x, y - 0.5);
    append(x, y);
    append(x, y, vx, vy);
    const std::size_t kickIndex = size() - 1;
    append(x + vx, y + vy, vx * 0.8, vy * 0.8);
    return kickIndex;
  }
};

TEST_F(ShotOrKickPassTest, ShotMarksBackToTheStartOfPlayOn) {
  struct Case {
    const char* name;
    int kickerSlot;
    double direction;  // +1 towards the right goal, -1 towards the left goal
    double speed;
    int playOnBefore;  // play_on states before the kick's own two
    bool shot;
  };
  const Case cases[] = {
      {"left kicker, 3 per cycle", 9, 1, 3, 5, true},
      {"right kicker, 3 per cycle", 18, -1, 3, 5, true},
      {"left kicker, 2 per cycle", 9, 1, 2, 5, false},
      {"left kicker, at the wrong goal", 9, -1, 3, 5, false},
      {"left kicker, long play_on", 9, 1, 3, 45, true},
  };
  for (const Case& c : cases) {
    resetStateHistory();
    players = {};
    // The ball ends 10 from the goal line, moving straight at the goal's centre.
    const double startX = c.direction * (52.5 - 10 - c.speed);
    place(c.kickerSlot, startX, -0.5);
    append(startX, 0, 0, 0, 2);  // before play_on
    for (int i = 0; i < c.playOnBefore; ++i) append(startX, 0);
    const std::size_t k = kick(c.kickerSlot, startX, 0, c.direction * c.speed, 0);
    EXPECT_EQ(at(k - 1).kickers, 0) << c.name;
    EXPECT_NE(at(k).kickers, 0) << c.name;
    EXPECT_EQ(at(k + 1).cyclesToShot, NO_EVENT) << c.name;
    for (std::size_t i = 0; i <= k; ++i) {
      const int back = static_cast<int>(k - i);
      const bool marked = c.shot && i > 0 && back <= 39;
      EXPECT_EQ(at(i).cyclesToShot, marked ? back : NO_EVENT) << c.name << ", state " << i;
      EXPECT_EQ(at(i).cyclesToPass, NO_EVENT) << c.name << ", state " << i;
    }
  }
}

TEST_F(ShotOrKickPassTest, KickPassToATeammateThePathRunsPast) {
  struct Case {
    const char* name;
    int kickerSlot;
    int receiverSlot;
    double receiverX, receiverY;
    int passSide;  // 0: no pass
    int passer, receiver;
  };
  // The ball runs from (-1.5, -1.5) through (0, 0) at 45 degrees, 2.12 per cycle.
  const double at25 = 2.5 / std::sqrt(2.0);
  const double at27 = 2.7 / std::sqrt(2.0);
  const Case cases[] = {
      {"receiver on the path", 3, 7, 5, 5, 1, 4, 8},
      {"receiver 2.5 from the ball is ignored", 3, 7, at25, at25, 0, 0, 0},
      {"receiver 2.7 from the ball", 3, 7, at27, at27, 1, 4, 8},
      {"receiver 2 beside the path", 3, 7, 5, 7, 1, 4, 8},
      {"receiver 3 beside the path", 3, 7, 5, 8, 0, 0, 0},
      {"receiver behind the ball", 3, 7, -5, -5, 0, 0, 0},
      {"receiver out of the ball's reach", 3, 7, 12, 12, 0, 0, 0},
      {"right kicker to a right teammate", 13, 18, 5, 5, -1, 3, 8},
      {"no pass to an opponent", 3, 18, 5, 5, 0, 0, 0},
  };
  for (const Case& c : cases) {
    resetStateHistory();
    players = {};
    place(c.receiverSlot, c.receiverX, c.receiverY);
    const std::size_t k = kick(c.kickerSlot, -1.5, -1.5, 1.5, 1.5);
    const CycleState& kickState = at(k);
    EXPECT_EQ(kickState.passSide, c.passSide) << c.name;
    EXPECT_EQ(kickState.passer, c.passer) << c.name;
    EXPECT_EQ(kickState.receiver, c.receiver) << c.name;
    EXPECT_EQ(kickState.cyclesToPass, c.passSide != 0 ? 0 : NO_EVENT) << c.name;
    EXPECT_EQ(at(k - 1).cyclesToPass, c.passSide != 0 ? 1 : NO_EVENT) << c.name;
    EXPECT_EQ(at(k + 1).cyclesToPass, NO_EVENT) << c.name;
    EXPECT_EQ(kickState.cyclesToShot, NO_EVENT) << c.name;
  }
}

TEST_F(ShotOrKickPassTest, TeammateBesideASteepPathAndPathsAlongAnAxis) {
  struct Case {
    const char* name;
    double dirX, dirY;  // direction of the ball's path
    double speed;
    double mateDx, mateDy;  // teammate relative to the ball after the kick
    bool pass;
  };
  // Along (1, 2) the teammate at (5.5, 8) lies 3 off the crossing with his x
  // (5.5, 11) but 1.5 off the crossing with his y (4, 8): he is passed, and the
  // reach is measured to (5.5, 11), 12.3 away, not to (4, 8), 8.9 away.
  const Case cases[] = {
      {"steep path, ball runs 15", 1, 2, 3, 5.5, 8, true},
      {"steep path, ball runs 11", 1, 2, 2.2, 5.5, 8, false},
      {"path along x: no crossing with the teammate's y", 1, 0, 3, 5, 0, false},
  };
  for (const Case& c : cases) {
    resetStateHistory();
    players = {};
    const double norm = std::hypot(c.dirX, c.dirY);
    const double vx = c.dirX / norm * c.speed;
    const double vy = c.dirY / norm * c.speed;
    place(7, -10 + vx + c.mateDx, -10 + vy + c.mateDy);
    const std::size_t k = kick(3, -10, -10, vx, vy);
    EXPECT_EQ(at(k).passSide, c.pass ? 1 : 0) << c.name;
    EXPECT_EQ(at(k).receiver, c.pass ? 8 : 0) << c.name;
    EXPECT_EQ(at(k).cyclesToPass, c.pass ? 0 : NO_EVENT) << c.name;
  }
}

TEST_F(ShotOrKickPassTest, FirstTeammateInSlotOrderWins) {
  place(8, 8, 8);
  place(5, 5, 5);
  const std::size_t k = kick(3, -1.5, -1.5, 1.5, 1.5);
  EXPECT_EQ(at(k).receiver, 6);
}

TEST_F(ShotOrKickPassTest, OneKickCanBeAShotAndAPass) {
  // From (42.4, -1.2) the ball crosses the goal line at y 6.375, between the
  // posts, and runs past a teammate at (46.4, 1.8) on the way.
  place(5, 46.4, 1.8);
  const std::size_t k = kick(9, 40, -3, 2.4, 1.8);
  EXPECT_EQ(at(k).cyclesToShot, 0);
  EXPECT_EQ(at(k).cyclesToPass, 0);
  EXPECT_EQ(at(k).passer, 10);
  EXPECT_EQ(at(k).receiver, 6);
}

TEST_F(ShotOrKickPassTest, MarksOnlyUnmarkedPlayOnStates) {
  place(7, 5, 5);
  place(3, -1.5, -2);
  append(-1.5, -1.5, 0, 0, 6);  // a free kick, not play_on
  append(-1.5, -1.5);
  append(-1.5, -1.5);
  at(1).cyclesToPass = 12;  // an earlier recognition
  const std::size_t k = kick(3, -1.5, -1.5, 1.5, 1.5);
  EXPECT_EQ(at(k).cyclesToPass, 0);
  EXPECT_EQ(at(k - 1).cyclesToPass, 1);
  EXPECT_EQ(at(2).cyclesToPass, 2);
  EXPECT_EQ(at(1).cyclesToPass, 12);  // the walk ends at the marked state
  EXPECT_EQ(at(0).cyclesToPass, NO_EVENT);
}

}  // namespace
