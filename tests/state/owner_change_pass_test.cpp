// Passes recognised from a change of ball owner within one side.
#include "state/owner_change_pass.h"

#include <gtest/gtest.h>

#include "tests/state/history_builder.h"

namespace {

using OwnerChangePassTest = HistoryTest;

// Left number 4 (slot 3) kicks in state A; the ball is free for three states,
// right number 5 (slot 15) holds it for some states, then a left player owns it.
TEST_F(OwnerChangePassTest, KickThenAnotherPlayerOfTheSameSide) {
  struct Case {
    const char* name;
    int opposingStates;
    bool opposingKick;  // the right player kicks in his last state
    int finalSlot;
    bool stopBetween;  // a free kick interrupts play_on while the ball is free
    bool pass;
  };
  const Case cases[] = {
      {"two opposing states", 2, false, 7, false, true},
      {"no opposing state", 0, false, 7, false, true},
      {"a third opposing state", 3, false, 7, false, false},
      {"an opposing kick", 2, true, 7, false, false},
      {"the kicker himself", 2, false, 3, false, false},
      {"play_on interrupted", 2, false, 7, true, false},
  };
  for (const Case& c : cases) {
    resetStateHistory();
    players = {};
    place(3, -30, -0.5);
    place(7, -20, 10);
    place(15, -40, 10);
    append(-30, 0);
    append(-30, 0);
    const std::size_t a = size();
    append(-30, 0, -1, 0);  // A: the kick
    double vx = -0.8;
    double x = -31;
    for (int i = 0; i < 3; ++i, vx *= 0.8, x -= 1) {
      append(x, 0, vx, 0, c.stopBetween && i == 1 ? 6 : kPlayOn);
    }
    for (int i = 0; i < c.opposingStates; ++i, vx *= 0.8, x -= 1) {
      place(15, x, 0.5);
      const bool kick = c.opposingKick && i == c.opposingStates - 1;
      append(x, 0, kick ? 2 * vx : vx, 0);
    }
    place(15, -40, 10);
    place(c.finalSlot, x, 0.5);
    const CycleState& last = append(x, 0, vx / 10, 0);
    ASSERT_EQ(at(a).players[3].action, KICKED) << c.name;
    ASSERT_EQ(last.owner, c.finalSlot) << c.name;

    const CycleState& kick = at(a);
    EXPECT_EQ(kick.passSide, c.pass ? 1 : 0) << c.name;
    EXPECT_EQ(kick.passer, c.pass ? 4 : 0) << c.name;
    EXPECT_EQ(kick.receiver, c.pass ? 8 : 0) << c.name;
    EXPECT_EQ(kick.cyclesToPass, c.pass ? 0 : NO_EVENT) << c.name;
    EXPECT_EQ(at(1).cyclesToPass, c.pass ? 1 : NO_EVENT) << c.name;
    // The history's first state is never marked.
    EXPECT_EQ(at(0).cyclesToPass, NO_EVENT) << c.name;
    for (std::size_t i = a + 1; i < size(); ++i) {
      EXPECT_EQ(at(i).cyclesToPass, NO_EVENT) << c.name << ", state " << i;
    }
  }
}

TEST_F(OwnerChangePassTest, MarkingStopsOutsidePlayOn) {
  place(3, 0, 0.5);
  place(7, 10, 10);
  append(0, 0, 0, 0, 6);  // free kick
  append(0, 0, 0, 0, 6);
  append(0, 0);
  append(0, 0);
  append(0, 0, 1, 0);  // kick
  place(7, 1, 0.5);
  append(1, 0, 0.8, 0);
  EXPECT_EQ(at(4).passSide, 1);
  EXPECT_EQ(at(4).cyclesToPass, 0);
  EXPECT_EQ(at(3).cyclesToPass, 1);
  EXPECT_EQ(at(2).cyclesToPass, 2);
  EXPECT_EQ(at(1).cyclesToPass, NO_EVENT);
  EXPECT_EQ(at(0).cyclesToPass, NO_EVENT);
}

TEST_F(OwnerChangePassTest, MarksAtMost40StatesFromTheKick) {
  place(3, 0, 0.5);
  place(7, 10, 10);
  for (int i = 0; i < 45; ++i) append(0, 0);  // left number 4 holds the ball
  const std::size_t a = size();
  append(0, 0, 1, 0);  // kick
  place(3, -50, 0);
  place(7, 1, 0.5);
  append(1, 0, 0.8, 0);
  ASSERT_EQ(at(a).receiver, 8);
  for (int back = 0; back <= 45; ++back) {
    EXPECT_EQ(at(a - back).cyclesToPass, back <= 39 ? back : NO_EVENT) << back << " back";
  }
}

TEST_F(OwnerChangePassTest, WalkLooksBackAtMost39States) {
  for (int free : {38, 39}) {
    resetStateHistory();
    players = {};
    place(3, 0, 0.5);
    append(0, 0);
    const std::size_t a = size();
    append(0, 0, 1, 0);  // kick
    place(3, -50, 0);
    double vx = 0.99;
    for (int i = 0; i < free; ++i, vx *= 0.99) append(0, 0, vx, 0);
    place(7, 0, 0.5);
    append(0, 0, 0, 0);
    // The kick lies free + 1 states back: found at 39, beyond the walk at 40.
    EXPECT_EQ(at(a).passSide, free + 1 <= 39 ? 1 : 0) << free << " free states";
  }
}

}  // namespace
