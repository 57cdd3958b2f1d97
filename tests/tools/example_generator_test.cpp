// Tests of the learner's example generator: which states are positive,
// negative and test examples for each label and side, the window walked, and
// the text of an example line.
#include "tools/example_generator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/tools/state_chain.h"

namespace {

using tools_test::StateChain;

TEST(ExampleLine, NearestRecordWithDirectionSectors) {
  StateChain chain(1);
  CycleState& s = chain.at(0);
  s.ballPos = Point{1.5, -2};
  s.possessionSide = -1;
  const double directions[8] = {0, 44.9, 45, 90, 180.5, 315, 359.9, 360};
  for (int k = 0; k < 8; ++k) {
    s.nearestToBall[k].side = k < 4 ? 1 : -1;
    s.nearestToBall[k].ballDirection = directions[k];
    s.nearestToBall[k].ballDistance = 0.5 * k;
  }
  s.cyclesToPass = 0;
  s.cyclesToShot = 12;
  s.cyclesToLoss = NO_EVENT;
  EXPECT_EQ(exampleLine(s, 45.0),
            "1.5,-2,-1,1,0,0,1,0,0.5,1,1,1,1,2,1.5,-1,4,2,-1,7,2.5,-1,7,3,-1,0,3.5,0,12,41");
  EXPECT_EQ(exampleLine(s, 90.0).substr(0, 22), "1.5,-2,-1,1,0,0,1,0,0.");
  EXPECT_EQ(exampleLine(s, 0).substr(0, 25), "1.5,-2,-1,1,0,0,1,44.9,0.") << "no sectors";
}

// A state configured for one selection case.
struct Situation {
  const char* name;
  int labelIndex;
  int owner;
  int cyclesToPass, passSide;
  int dribbler;
  int cyclesToShot, kickers;
  char left, right;  // '+' positive, '-' negative, ' ' neither, for side 1 and -1
};

const Situation kSituations[] = {
    {"left pass kick", LABEL_PASS, 3, 0, 1, -1, NO_EVENT, 1, '+', ' '},
    {"before the pass", LABEL_PASS, 3, 1, 1, -1, NO_EVENT, 0, '-', ' '},
    {"right's pass marked, left owner", LABEL_PASS, 3, 0, -1, -1, NO_EVENT, 0, '-', '+'},
    {"right pass kick", LABEL_PASS, 15, 0, -1, -1, NO_EVENT, 2, ' ', '+'},
    {"free ball", LABEL_PASS, -1, NO_EVENT, 0, -1, NO_EVENT, 0, ' ', ' '},
    {"right dribble", LABEL_DRIBBLE, 14, NO_EVENT, 0, 14, NO_EVENT, 0, ' ', '+'},
    {"left dribble", LABEL_DRIBBLE, 10, NO_EVENT, 0, 10, NO_EVENT, 0, '+', ' '},
    {"right holds, no dribble", LABEL_DRIBBLE, 14, 0, -1, -1, NO_EVENT, 0, ' ', '-'},
    {"left shot kick", LABEL_SHOOT, 2, NO_EVENT, 0, -1, 0, 1, '+', ' '},
    {"both kicked", LABEL_SHOOT, -1, NO_EVENT, 0, -1, 0, 3, '+', '+'},
    {"shot by right, left owner", LABEL_SHOOT, 2, NO_EVENT, 0, -1, 0, 2, '-', '+'},
    {"shot mark without kick", LABEL_SHOOT, 2, NO_EVENT, 0, -1, 0, 0, '-', ' '},
    {"before the shot", LABEL_SHOOT, 2, NO_EVENT, 0, -1, 1, 1, '-', ' '},
    {"unknown label", 4, 2, 0, 1, 2, 0, 1, '-', ' '},
};

TEST(ExampleSelection, PositiveNegativeAndTestPerLabelAndSide) {
  for (const Situation& c : kSituations) {
    StateChain chain(1);
    CycleState& s = chain.at(0);
    s.owner = c.owner;
    s.cyclesToPass = static_cast<int16_t>(c.cyclesToPass);
    s.passSide = static_cast<int16_t>(c.passSide);
    s.dribbler = c.dribbler;
    s.cyclesToShot = static_cast<int16_t>(c.cyclesToShot);
    s.kickers = static_cast<int16_t>(c.kickers);
    for (int side : {1, -1}) {
      char expected = side == 1 ? c.left : c.right;
      std::string line = exampleLine(s, 45.0);
      auto positives = generateExamples(&s, 1, c.labelIndex, side, POSITIVE_EXAMPLES, 45.0);
      auto negatives = generateExamples(&s, 1, c.labelIndex, side, NEGATIVE_EXAMPLES, 45.0);
      auto tests = generateExamples(&s, 1, c.labelIndex, side, TEST_EXAMPLES, 45.0);
      std::vector<std::string> none;
      std::vector<std::string> one{line};
      EXPECT_EQ(positives, expected == '+' ? one : none) << c.name << " side " << side;
      EXPECT_EQ(negatives, expected == '-' ? one : none) << c.name << " side " << side;
      std::vector<std::string> test;
      if (expected != ' ') test.push_back(line + ": " + expected);
      EXPECT_EQ(tests, test) << c.name << " side " << side;
    }
  }
}

TEST(ExampleSelection, WalksTheWindowNewestFirst) {
  StateChain chain(10);
  for (int i : {1, 3, 6, 9}) chain.at(i).owner = 4;  // left holds the ball
  chain.at(3).cyclesToPass = 0;
  chain.at(3).passSide = 1;
  auto lineOf = [&](int i) { return exampleLine(chain.at(i), 45.0); };

  EXPECT_EQ(generateExamples(chain.newest(), 4, LABEL_PASS, 1, POSITIVE_EXAMPLES, 45.0),
            std::vector<std::string>{lineOf(3)});
  EXPECT_EQ(generateExamples(chain.newest(), 3, LABEL_PASS, 1, POSITIVE_EXAMPLES, 45.0),
            std::vector<std::string>{})
      << "state 3 lies outside a window of 3";
  EXPECT_EQ(generateExamples(chain.newest(), 100, LABEL_PASS, 1, NEGATIVE_EXAMPLES, 45.0),
            (std::vector<std::string>{lineOf(1), lineOf(6), lineOf(9)}))
      << "the walk stops at the first state";
  EXPECT_EQ(generateExamples(&chain.at(2), 5, LABEL_PASS, 1, TEST_EXAMPLES, 45.0),
            (std::vector<std::string>{lineOf(3) + ": +", lineOf(6) + ": -"}));
  EXPECT_TRUE(generateExamples(nullptr, 100, LABEL_PASS, 1, TEST_EXAMPLES, 45.0).empty());
  EXPECT_TRUE(generateExamples(chain.newest(), 0, LABEL_PASS, 1, TEST_EXAMPLES, 45.0).empty());
  EXPECT_TRUE(generateExamples(chain.newest(), 10, LABEL_PASS, 1, 4, 45.0).empty());
}

}  // namespace
