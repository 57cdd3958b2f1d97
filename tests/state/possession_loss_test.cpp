// Loss marks in the states before the ball went over to the other side.
#include "state/possession_loss.h"

#include <gtest/gtest.h>

#include "tests/state/history_builder.h"

namespace {

using PossessionLossTest = HistoryTest;

TEST_F(PossessionLossTest, ChangeOfSideMarksTheOtherSidesSpellWhateverThePlayMode) {
  place(2, 50, 0);
  place(13, -50, 0);
  append(0, 0);                                // 0: nobody yet, side 0
  append(50, 0.5, 0, 0, 6);                    // 1: left, outside play_on
  append(50, 0.5);                             // 2: left
  append(50, 0.5, 0, 0, 2);                    // 3: left, outside play_on
  append(0, 0);                                // 4: free, left carried
  const CycleState& right = append(-50, 0.5);  // 5: right
  EXPECT_EQ(right.possessionSide, -1);
  const int expected[] = {5, 4, 3, 2, 1};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(at(i).cyclesToLoss, expected[i]) << "state " << i;
  EXPECT_EQ(right.cyclesToLoss, NO_EVENT);

  // Keeping the ball marks nothing more.
  append(-50, 0.5);
  EXPECT_EQ(at(5).cyclesToLoss, NO_EVENT);
  // Losing it again marks the right side's states and stops at the left's.
  append(50, 0.5);
  EXPECT_EQ(at(6).cyclesToLoss, 1);
  EXPECT_EQ(at(5).cyclesToLoss, 2);
  EXPECT_EQ(at(4).cyclesToLoss, 1);
}

TEST_F(PossessionLossTest, NoMarkWhileNobodyHasEverOwnedTheBall) {
  place(2, 50, 0);
  append(0, 0);
  append(1, 0);
  for (std::size_t i = 0; i < size(); ++i) EXPECT_EQ(at(i).cyclesToLoss, NO_EVENT);
}

TEST_F(PossessionLossTest, MarksAtMost39StatesBack) {
  place(2, 50, 0);
  place(13, -50, 0);
  for (int i = 0; i < 45; ++i) append(50, 0.5);
  append(-50, 0.5);
  for (int back = 1; back <= 45; ++back) {
    EXPECT_EQ(at(45 - back).cyclesToLoss, back <= 39 ? back : NO_EVENT) << back << " back";
  }
}

TEST_F(PossessionLossTest, TheOtherSideMustLieWithin39States) {
  for (int free : {38, 39}) {
    resetStateHistory();
    players = {};
    place(2, 50, 0);
    place(13, -50, 0);
    append(50, 0.5);  // left
    for (int i = 0; i < free; ++i) append(0, 0);
    append(-50, 0.5);
    // The left state lies free + 1 back; the walk looks at most 39 back.
    EXPECT_EQ(at(0).cyclesToLoss, free + 1 <= 39 ? free + 1 : NO_EVENT) << free << " free";
  }
}

}  // namespace
