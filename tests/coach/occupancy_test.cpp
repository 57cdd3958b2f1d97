// Occupancy grids, player regions, their quadrangles and the opponent-positions
// rule, on small histories built state by state.
#include "coach/occupancy.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "coach_language/cm_tok_rule.h"
#include "coach_language/reg_quad.h"
#include "geometry/field_sections.h"
#include "tests/coach/advice_fixtures.h"

namespace {

using namespace advice_test;
using Section = std::pair<int, int>;  // (x index, y index)

// Centre of a section, safely inside it.
Point centreOf(Section s) {
  return Point{sectionEdgeX(s.first) + SECTION_WIDTH / 2,
               sectionEdgeY(s.second) + SECTION_HEIGHT / 2};
}

// Printed section edges: X(0..11) and Y(0..7).
const char* const X_EDGE[] = {"-52.5",   "-42.9545", "-33.4091", "-23.8636", "-14.3182", "-4.77273",
                              "4.77273", "14.3182",  "23.8636",  "33.4091",  "42.9545",  "52.5"};
const char* const Y_EDGE[] = {"-34",     "-24.2857", "-14.5714", "-4.85714",
                              "4.85714", "14.5714",  "24.2857",  "34"};

std::map<Section, int> nonZero(const RectGrid& grid) {
  std::map<Section, int> values;
  for (int i = 0; i < NUM_SECTIONS_X; ++i) {
    for (int j = 0; j < NUM_SECTIONS_Y; ++j) {
      if (grid.getSection(i, j) != 0) values[{i, j}] = grid.getSection(i, j);
    }
  }
  return values;
}

template <typename T>
std::string protocol(const T& object) {
  std::ostringstream out;
  object.print(out);
  return out.str();
}

class OccupancyTest : public AnalysisTest {
 protected:
  // Appends count states with right player 4 at the centre of section s.
  void standIn(Section s, int count) {
    for (int k = 0; k < count; ++k) {
      PlayerRecords players = spreadPlayers();
      const Point p = centreOf(s);
      place(players, -1, 4, p.x, p.y);
      addState(players, freeBall());
    }
  }
  const CycleState* newest() { return stateHistory().back().get(); }
};

TEST_F(OccupancyTest, PercentagesRoundHalfUp) {
  struct Case {
    const char* name;
    int inA, inB, percentA, percentB;
  };
  // 23 / 40 * 100 is 57.49999... in floating point: the share is divided
  // first, then scaled, so it rounds down where 2300 / 40 would round up.
  const Case cases[] = {
      {"1 of 3", 1, 2, 33, 67}, {"1 of 8", 1, 7, 13, 88}, {"23 of 40", 23, 17, 57, 43}};
  for (const Case& c : cases) {
    resetStateHistory();
    standIn({2, 1}, c.inA);
    standIn({7, 5}, c.inB);
    const auto grid = occupancyGrid(newest(), 4, -1, 500, ANY);
    const std::map<Section, int> expected = {{{2, 1}, c.percentA}, {{7, 5}, c.percentB}};
    EXPECT_EQ(nonZero(*grid), expected) << c.name;
  }
}

TEST_F(OccupancyTest, GoalModesAndOffFieldStatesAreWalkedButNotCounted) {
  standIn({3, 3}, 1);
  const std::vector<std::pair<int, Point>> skipped = {
      {14, centreOf({6, 3})}, {15, centreOf({6, 3})}, {3, {-52.5, 0}},
      {3, {0, -34}},          {3, {52.6, 0}},         {3, {0, 34.1}}};
  for (const auto& [playMode, p] : skipped) {
    PlayerRecords players = spreadPlayers();
    place(players, -1, 4, p.x, p.y);
    addState(players, freeBall(), playMode);
  }
  EXPECT_EQ(nonZero(*occupancyGrid(newest(), 4, -1, 7, ANY)),
            (std::map<Section, int>{{{3, 3}, 100}}))
      << "window reaching the counted state";
  EXPECT_TRUE(nonZero(*occupancyGrid(newest(), 4, -1, 6, ANY)).empty())
      << "the skipped states fill the window";

  // The far edges belong to the last sections.
  PlayerRecords players = spreadPlayers();
  place(players, -1, 4, 52.5, 34);
  addState(players, freeBall());
  EXPECT_EQ(nonZero(*occupancyGrid(newest(), 4, -1, 1, ANY)),
            (std::map<Section, int>{{{10, 6}, 100}}));
}

TEST_F(OccupancyTest, FilterSelectsCyclesByPossession) {
  // s0: nobody has had the ball; s1: right 4 owns it; s2: right 2 owns it;
  // s3: left 1 owns it. Right 4 stands in a different section each time.
  const Section where[] = {{1, 1}, {3, 1}, {5, 1}, {7, 1}};
  for (int s = 0; s < 4; ++s) {
    PlayerRecords players = spreadPlayers();
    const Point p = centreOf(where[s]);
    place(players, -1, 4, p.x, p.y);
    const BallState ball = s == 0   ? freeBall()
                           : s == 1 ? ballAt(players, -1, 4)
                           : s == 2 ? ballAt(players, -1, 2)
                                    : ballAt(players, 1, 1);
    addState(players, ball);
  }
  struct Case {
    const char* name;
    int filter;
    std::map<Section, int> expected;
  };
  const Case cases[] = {
      {"ANY", ANY, {{{1, 1}, 25}, {{3, 1}, 25}, {{5, 1}, 25}, {{7, 1}, 25}}},
      {"OWN_BALL", OWN_BALL, {{{3, 1}, 50}, {{5, 1}, 50}}},
      {"OTHER_BALL", OTHER_BALL, {{{7, 1}, 100}}},
      {"HAS_BALL", HAS_BALL, {{{3, 1}, 100}}},
      {"unknown filter", 4, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(nonZero(*occupancyGrid(newest(), 4, -1, 500, c.filter)), c.expected) << c.name;
  }
}

TEST_F(OccupancyTest, PlayerRegionOutcomes) {
  struct Case {
    const char* name;
    std::vector<std::pair<Section, int>> stays;  // section, states spent there
    regionOfSections expected;                   // yMin, xMin, yMax, xMax, sum
  };
  const Case cases[] = {
      {"always in one section", {{{4, 2}, 3}}, {2, 4, 2, 4, 100}},
      {"a section at 71 stands alone", {{{4, 2}, 5}, {{5, 2}, 2}}, {2, 4, 2, 4, 71}},
      {"a section at 70 does not", {{{4, 2}, 7}, {{5, 2}, 3}}, {2, 4, 2, 5, 100}},
      {"two above 30 bound the rest", {{{2, 1}, 8}, {{4, 3}, 7}, {{3, 2}, 5}}, {1, 2, 3, 4, 100}},
      {"two above 30, rest outside", {{{2, 1}, 8}, {{4, 3}, 7}, {{9, 6}, 5}}, {1, 2, 3, 4, 75}},
      {"densest window, last on a tie",
       {{{1, 1}, 3}, {{3, 2}, 3}, {{2, 1}, 2}, {{2, 2}, 2}},
       {1, 2, 2, 3, 70}},
      // 2 x 2 windows at x 1, y 2 and at x 2, y 1 both hold 50: x starts run
      // in the outer loop, so the one at x 2 is examined last.
      {"tie across x and y starts",
       {{{1, 3}, 3}, {{3, 1}, 3}, {{2, 2}, 2}, {{1, 1}, 1}, {{3, 3}, 1}},
       {1, 2, 2, 3, 50}},
      {"one section at 60, scattered rest",
       {{{4, 2}, 6}, {{5, 3}, 2}, {{3, 1}, 1}, {{6, 2}, 1}},
       {2, 4, 3, 5, 80}},
  };
  for (const Case& c : cases) {
    resetStateHistory();
    for (const auto& [section, count] : c.stays) standIn(section, count);
    const auto r = playerRegion(newest(), 4, -1, 500, ANY);
    ASSERT_NE(r, nullptr) << c.name;
    EXPECT_EQ(r->yMin, c.expected.yMin) << c.name;
    EXPECT_EQ(r->xMin, c.expected.xMin) << c.name;
    EXPECT_EQ(r->yMax, c.expected.yMax) << c.name;
    EXPECT_EQ(r->xMax, c.expected.xMax) << c.name;
    EXPECT_EQ(r->sum, c.expected.sum) << c.name;
  }
}

TEST_F(OccupancyTest, NeverCountedGivesTheInvertedRecordAndItsQuadrangle) {
  PlayerRecords players = spreadPlayers();
  place(players, -1, 4, -60, 0);
  addState(players, freeBall());
  const auto r = playerRegion(newest(), 4, -1, 500, ANY);
  ASSERT_NE(r, nullptr);
  EXPECT_EQ((std::vector<int>{r->yMin, r->xMin, r->yMax, r->xMax, r->sum}),
            (std::vector<int>{7, 11, 0, 0, 0}));
  const auto quad = regionToQuad(r.get());
  ASSERT_NE(quad, nullptr);
  EXPECT_EQ(protocol(*quad),
            "(quad (pt 52.5 34) (pt -42.9545 34) (pt -42.9545 -24.2857) (pt 52.5 -24.2857))");
}

TEST_F(OccupancyTest, QuadrangleIsInTheOwnTeamsFrame) {
  const regionOfSections corner{0, 0, 1, 0, 0};  // x index 0, y indices 0 and 1
  EXPECT_EQ(protocol(*regionToQuad(&corner)),
            "(quad (pt -52.5 -34) (pt -42.9545 -34) (pt -42.9545 -14.5714) (pt -52.5 -14.5714))")
      << "own team left";
  ownSide = -1;
  EXPECT_EQ(protocol(*regionToQuad(&corner)),
            "(quad (pt 52.5 34) (pt 42.9545 34) (pt 42.9545 14.5714) (pt 52.5 14.5714))")
      << "own team right";
  EXPECT_EQ(regionToQuad(nullptr), nullptr);
}

class CopsRuleTest : public AnalysisTest {
 protected:
  // Opponent n stands in section (n - 1, 5) and opponent 1 holds the ball.
  void opponentsInARow(int opponentSide, int states) {
    for (int k = 0; k < states; ++k) {
      PlayerRecords players = spreadPlayers();
      for (int n = 1; n <= 11; ++n) {
        const Point p = centreOf({n - 1, 5});
        place(players, opponentSide, n, p.x, p.y);
      }
      addState(players, ballAt(players, opponentSide, 1));
    }
  }

  // The directive placing opponent n in section (n - 1, 5), negated when mirrored.
  static std::string directive(int n, bool mirrored) {
    auto coordinate = [&](const std::string& v) {
      if (!mirrored) return v;
      return v[0] == '-' ? v.substr(1) : "-" + v;
    };
    auto pt = [&](const char* x, const char* y) {
      return "(pt " + coordinate(x) + " " + coordinate(y) + ")";
    };
    return "(do opp {" + std::to_string(n) + "} (pos (quad " + pt(X_EDGE[n - 1], Y_EDGE[5]) + " " +
           pt(X_EDGE[n], Y_EDGE[5]) + " " + pt(X_EDGE[n], Y_EDGE[6]) + " " +
           pt(X_EDGE[n - 1], Y_EDGE[6]) + ")))";
  }
  static std::string expectedRule(const std::string& owner, bool mirrored) {
    std::string text = "(100 (bowner " + owner + " {0})";
    for (int n = 1; n <= 11; ++n) text.append(" ").append(directive(n, mirrored));
    return text + ")";
  }
};

TEST_F(CopsRuleTest, OpponentPositionsWhileTheyHaveTheBall) {
  opponentsInARow(-1, 3);
  const auto rule = buildCopsRule(true);
  ASSERT_NE(rule, nullptr);
  EXPECT_EQ(protocol(*rule), expectedRule("opp", false));
  EXPECT_EQ(directive(1, false),
            "(do opp {1} (pos (quad (pt -52.5 14.5714) (pt -42.9545 14.5714) (pt -42.9545 24.2857) "
            "(pt -52.5 24.2857))))")
      << "the expectation itself";
}

TEST_F(CopsRuleTest, MirroredWhenOwnTeamPlaysRight) {
  ownSide = -1;
  opponentsInARow(1, 3);
  const auto rule = buildCopsRule(true);
  ASSERT_NE(rule, nullptr);
  EXPECT_EQ(protocol(*rule), expectedRule("opp", true));
}

TEST_F(CopsRuleTest, WorksOnEverySecondCallOnly) {
  opponentsInARow(-1, 3);
  EXPECT_NE(buildCopsRule(true), nullptr) << "first call";
  EXPECT_EQ(buildCopsRule(true), nullptr) << "second call";
  EXPECT_NE(buildCopsRule(true), nullptr) << "third call";
  EXPECT_EQ(buildCopsRule(false), nullptr) << "fourth call";
}

TEST_F(CopsRuleTest, OwnPossessionVariantUsesTheOtherCycles) {
  // The opponents held the ball in every state, so while the own team has it
  // nobody was counted: every opponent gets the inverted record's quadrangle.
  opponentsInARow(-1, 3);
  const auto rule = buildCopsRule(false);
  ASSERT_NE(rule, nullptr);
  const std::string text = protocol(*rule);
  EXPECT_EQ(text.rfind("(100 (bowner our {0}) (do opp {1} (pos (quad (pt 52.5 34) ", 0), 0u)
      << text;
}

TEST_F(CopsRuleTest, VerboseTraceCarriesTheHeader) {
  opponentsInARow(-1, 3);
  verbose = true;
  testing::internal::CaptureStdout();
  const auto rule = buildCopsRule(true);
  const std::string trace = testing::internal::GetCapturedStdout();
  ASSERT_NE(rule, nullptr);
  std::ostringstream expected;
  rule->printPretty(expected, "COPS: ");
  EXPECT_EQ(trace, expected.str());
  EXPECT_EQ(
      trace.rfind(
          "COPS: for 100 cycles, if\nCOPS:  +is ball controlled by someone in opponent {0}\n", 0),
      0u)
      << trace;
}

TEST_F(CopsRuleTest, QuietWithoutVerbose) {
  opponentsInARow(-1, 3);
  testing::internal::CaptureStdout();
  EXPECT_NE(buildCopsRule(true), nullptr);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

}  // namespace
