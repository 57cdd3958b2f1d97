// Dribbles: the owner kicked and controls the ball again more than 1.5 away.
#include "state/dribble.h"

#include <gtest/gtest.h>

#include "tests/state/history_builder.h"

namespace {

using DribbleTest = HistoryTest;

TEST_F(DribbleTest, SamePlayerRegainingFarFromHisKick) {
  struct Case {
    const char* name;
    double regainX;
    bool otherTouches;  // another player owns the ball in between
    bool dribble;
  };
  const Case cases[] = {
      {"more than 1.5 away", 2, false, true},
      {"exactly 1.5 away", 1.5, false, false},
      {"another player in between", 2, true, false},
  };
  for (const Case& c : cases) {
    resetStateHistory();
    players = {};
    place(5, 0, 0.5);
    append(0, 0);
    append(0, 0, 1, 0);  // kick
    place(5, 0.5, -20);  // away from the ball
    append(1, 0, 0.8, 0);
    if (c.otherTouches) {
      place(16, 1.5, 0.5);
      append(1.5, 0, 0.6, 0);
      place(16, 40, 0);
    }
    place(5, c.regainX, 0.5);
    const CycleState& regain = append(c.regainX, 0, 0.5, 0);
    EXPECT_EQ(regain.owner, 5) << c.name;
    EXPECT_EQ(regain.dribbler, c.dribble ? 5 : -1) << c.name;
    // The same player regaining the ball is no pass.
    EXPECT_EQ(at(1).passSide, 0) << c.name;
    EXPECT_EQ(at(1).cyclesToPass, NO_EVENT) << c.name;
  }
}

TEST_F(DribbleTest, NotRecognisedAgainWithin18States) {
  // A dribble in state d (he kicks there again); then he holds the ball still
  // for `between` states and finally stands 2 from where he kicked in d.
  for (int between : {17, 18}) {
    resetStateHistory();
    players = {};
    place(5, 0, 0.5);
    append(0, 0);
    append(0, 0, 1, 0);  // kick
    place(5, 2, 0.5);
    const CycleState& d = append(2, 0, 1.5, 0);  // dribble, and a kick
    ASSERT_EQ(d.dribbler, 5);
    ASSERT_EQ(d.players[5].action, KICKED);
    for (int i = 0; i < between; ++i) EXPECT_EQ(append(2, 0).dribbler, -1) << i;
    place(5, 4, 0.5);
    const CycleState& later = append(4, 0);
    EXPECT_EQ(later.dribbler, between >= 18 ? 5 : -1) << between << " states between";
  }
}

TEST_F(DribbleTest, KickLooksBackAtMost40States) {
  for (int free : {39, 40}) {
    resetStateHistory();
    players = {};
    place(5, 0, 0.5);
    append(0, 0);
    append(0, 0, 1, 0);  // kick
    place(5, 0, -20);    // away from the ball
    for (int i = 0; i < free; ++i) append(10, 0);
    place(5, 10, 0.5);
    // The kick lies free + 1 states back: seen at 40, beyond the walk at 41.
    EXPECT_EQ(append(10, 0).dribbler, free + 1 <= 40 ? 5 : -1) << free << " free states";
  }
}

TEST_F(DribbleTest, NobodyOwningTheBallIsNoDribble) {
  place(5, 0, 0.5);
  append(0, 0);
  append(0, 0, 1, 0);
  EXPECT_EQ(append(5, 0).dribbler, -1);
}

}  // namespace
