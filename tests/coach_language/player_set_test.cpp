// Membership operations and text of player sets, including number 0 (all
// players) and numbers outside the valid range.
#include "coach_language/player_set.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

namespace {

std::string textOf(const PlayerSet& players) {
  std::ostringstream out;
  out << players;
  return out.str();
}

void addAllOneByOne(PlayerSet& players) {
  for (int n = 1; n <= 11; ++n) players.add(n);
}

TEST(PlayerSetTest, OperationSequencesGiveTheirTextAndAllPlayersAnswer) {
  struct Case {
    const char* name;
    std::function<void(PlayerSet&)> build;
    const char* text;
    bool containsAll;
  };
  const Case cases[] = {
      {"new set", [](PlayerSet&) {}, "{}", false},
      {"3 and 7",
       [](PlayerSet& p) {
         p.add(7);
         p.add(3);
       },
       "{3 7}", false},
      {"add 0", [](PlayerSet& p) { p.add(0); }, "{0}", true},
      {"1 to 11", addAllOneByOne, "{0}", true},
      {"add 0, remove 4",
       [](PlayerSet& p) {
         p.add(0);
         p.remove(4);
       },
       "{1 2 3 5 6 7 8 9 10 11}", false},
      {"1 to 11, remove 4",
       [](PlayerSet& p) {
         addAllOneByOne(p);
         p.remove(4);
       },
       "{1 2 3 5 6 7 8 9 10 11}", false},
      {"1 to 10",
       [](PlayerSet& p) {
         addAllOneByOne(p);
         p.remove(11);
       },
       "{1 2 3 4 5 6 7 8 9 10}", false},
      {"add 12 and -1",
       [](PlayerSet& p) {
         p.add(12);
         p.add(-1);
       },
       "{}", false},
      {"remove 0",
       [](PlayerSet& p) {
         p.add(2);
         p.add(5);
         p.remove(0);
       },
       "{}", false},
      {"remove out of range",
       [](PlayerSet& p) {
         p.add(0);
         p.remove(12);
         p.remove(-1);
       },
       "{0}", true},
      {"clear",
       [](PlayerSet& p) {
         p.add(0);
         p.clear();
       },
       "{}", false},
      {"add twice",
       [](PlayerSet& p) {
         p.add(11);
         p.add(11);
       },
       "{11}", false},
  };
  for (const Case& c : cases) {
    PlayerSet players(11);
    c.build(players);
    EXPECT_EQ(textOf(players), c.text) << c.name;
    EXPECT_EQ(players.contains(0), c.containsAll) << c.name;
  }
}

TEST(PlayerSetTest, AddZeroSetsEveryBitWhileAddingOneByOneSetsEleven) {
  PlayerSet all(11), each(11);
  all.add(0);
  addAllOneByOne(each);
  EXPECT_EQ(all.getMask(), 0xFFFFFFFFu);
  EXPECT_EQ(each.getMask(), 0x7FFu);
  EXPECT_TRUE(all.contains(5));
  EXPECT_TRUE(each.contains(5));
}

TEST(PlayerSetTest, ContainsIsFalseForNumbersOutsideTheRange) {
  PlayerSet players(11);
  players.add(0);  // every bit, including those above 11
  EXPECT_FALSE(players.contains(12));
  EXPECT_FALSE(players.contains(-1));
  EXPECT_TRUE(players.contains(11));
  EXPECT_TRUE(players.contains(1));
}

TEST(PlayerSetTest, MaximumNumberIsKeptWithinOneToThirtyOne) {
  PlayerSet defaulted;
  EXPECT_EQ(defaulted.getMaxNumber(), 11);
  PlayerSet large(40);
  EXPECT_EQ(large.getMaxNumber(), 31);
  for (int n = 1; n <= 31; ++n) large.add(n);
  EXPECT_TRUE(large.contains(0));
  EXPECT_EQ(textOf(large), "{0}");
  PlayerSet small(0);
  EXPECT_EQ(small.getMaxNumber(), 1);
  small.add(1);
  EXPECT_EQ(textOf(small), "{0}");
}

TEST(PlayerSetTest, CopiesAreIndependentValues) {
  PlayerSet original(11);
  original.add(3);
  PlayerSet copy = original;
  copy.add(4);
  EXPECT_EQ(textOf(original), "{3}");
  EXPECT_EQ(textOf(copy), "{3 4}");
}

}  // namespace
