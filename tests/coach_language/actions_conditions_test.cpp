// Text forms, kind codes and evaluation of the actions and conditions.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "coach_language/cm_act_mark.h"
#include "coach_language/cm_act_offsides_line.h"
#include "coach_language/cm_act_position.h"
#include "coach_language/cm_cond_and.h"
#include "coach_language/cm_cond_ball_owner.h"
#include "coach_language/cm_cond_or.h"
#include "coach_language/cm_cond_play_mode.h"
#include "coach_language/cm_cond_player_position.h"
#include "coach_language/reg_point_simple.h"
#include "coach_language/reg_quad.h"
#include "tests/coach_language/counted_objects.h"
#include "tests/coach_language/text_forms.h"

namespace {

PlayerSet playersOf(std::initializer_list<int> numbers) {
  PlayerSet players(11);
  for (int n : numbers) players.add(n);
  return players;
}

std::unique_ptr<RegQuad> quad1to8() {
  return std::make_unique<RegQuad>(
      std::make_unique<RegPointSimple>(1, 2), std::make_unique<RegPointSimple>(3, 4),
      std::make_unique<RegPointSimple>(5, 6), std::make_unique<RegPointSimple>(7, 8));
}

const char* const QUAD_1_TO_8 = "(quad (pt 1 2) (pt 3 4) (pt 5 6) (pt 7 8))";
const char* const QUAD_1_TO_8_LINE =
    "Quadrangle: Point(1, 2) Point(3, 4) Point(5, 6) Point(7, 8) \n";

TEST(CM_ActMarkTest, WritesBothFormsOfTheWorkedExample) {
  CM_ActMark mark(playersOf({7, 9}));
  EXPECT_EQ(protocolOf(mark), "(mark {7 9})");
  EXPECT_EQ(streamedOf(mark), "(mark {7 9})");
  EXPECT_EQ(prettyOf(mark), "mark opponent {7 9}\n");
  EXPECT_EQ(prettyOf(mark, "M: "), "M: mark opponent {7 9}\n");
  EXPECT_EQ(mark.getType(), 4);
}

TEST(CM_ActMarkTest, EmptySetPrintsEmptyBraces) {
  CM_ActMark mark(PlayerSet(11));
  EXPECT_EQ(protocolOf(mark), "(mark {})");
  mark.setPlayers(playersOf({0}));
  EXPECT_EQ(protocolOf(mark), "(mark {0})");
}

TEST(CM_ActOffsidesLineTest, NestsTheQuadrangleOneBlankDeeper) {
  CM_ActOffsidesLine oline(quad1to8());
  EXPECT_EQ(protocolOf(oline), std::string("(oline ") + QUAD_1_TO_8 + ")");
  EXPECT_EQ(streamedOf(oline), std::string("(oline ") + QUAD_1_TO_8 + ")");
  EXPECT_EQ(prettyOf(oline, "H"), std::string("Hoffsides line at: \nH ") + QUAD_1_TO_8_LINE);
  EXPECT_EQ(oline.getType(), 7);
}

TEST(CM_ActPositionTest, NestsTheRegionOneBlankDeeper) {
  CM_ActPosition position(std::make_unique<RegPointSimple>(1, 2));
  EXPECT_EQ(protocolOf(position), "(pos (pt 1 2))");
  EXPECT_EQ(streamedOf(position), "(pos (pt 1 2))");
  EXPECT_EQ(prettyOf(position, "H"), "Hposition self at: \nH Point(1, 2)\n");
  EXPECT_EQ(position.getType(), 0);
  position.setRegion(quad1to8());
  EXPECT_EQ(protocolOf(position), std::string("(pos ") + QUAD_1_TO_8 + ")");
}

TEST(RegionActionsTest, MissingRegionPrintsNothingAndNull) {
  CM_ActPosition position(nullptr);
  EXPECT_EQ(protocolOf(position), "(pos )");
  EXPECT_EQ(prettyOf(position, "H"), "Hposition self at: \nH NULL\n");
  CM_ActOffsidesLine oline(nullptr);
  EXPECT_EQ(protocolOf(oline), "(oline )");
  EXPECT_EQ(prettyOf(oline), "offsides line at: \n NULL\n");
}

TEST(CM_CondBallOwnerTest, WritesBothFormsOfTheWorkedExample) {
  CM_CondBallOwner owner(false, playersOf({0}));
  EXPECT_EQ(protocolOf(owner), "(bowner opp {0})");
  EXPECT_EQ(streamedOf(owner), "(bowner opp {0})");
  EXPECT_EQ(prettyOf(owner), "is ball controlled by someone in opponent {0}\n");
  EXPECT_EQ(owner.getType(), 4);
  EXPECT_TRUE(owner.evaluate());
}

TEST(CM_CondBallOwnerTest, AccessorsChangeSideAndPlayers) {
  CM_CondBallOwner owner(false, PlayerSet(11));
  EXPECT_FALSE(owner.isOurSide());
  EXPECT_TRUE(owner.isTheirSide());
  owner.setOurSide(true);
  owner.addPlayer(4);
  owner.addPlayer(2);
  owner.addPlayer(12);
  EXPECT_TRUE(owner.isOurSide());
  EXPECT_FALSE(owner.isTheirSide());
  EXPECT_EQ(protocolOf(owner), "(bowner our {2 4})");
  EXPECT_EQ(prettyOf(owner, "- "), "- is ball controlled by someone in our team {2 4}\n");
  owner.removePlayer(4);
  EXPECT_TRUE(owner.getPlayers().contains(2));
  EXPECT_FALSE(owner.getPlayers().contains(4));
  owner.clearPlayers();
  EXPECT_EQ(protocolOf(owner), "(bowner our {})");
  owner.setPlayers(playersOf({0}));
  EXPECT_EQ(protocolOf(owner), "(bowner our {0})");
}

TEST(CM_CondPlayModeTest, EveryIndexPrintsItsName) {
  const char* const names[PLAY_MODE_NAME_COUNT] = {
      "",       "bko",    "time_over", "play_on", "ko_our", "ko_opp", "ki_our", "ki_opp", "fk_our",
      "fk_opp", "ck_our", "ck_opp",    "gk_our",  "gk_opp", "gc_our", "gc_opp", "ag_our", "ag_opp"};
  for (int mode = 0; mode < PLAY_MODE_NAME_COUNT; ++mode) {
    CM_CondPlayMode condition(mode);
    EXPECT_EQ(protocolOf(condition), std::string("(playm ") + names[mode] + ")") << mode;
    EXPECT_EQ(prettyOf(condition, "P "), std::string("P is play mode '") + names[mode] + "'\n")
        << mode;
    EXPECT_EQ(condition.getPlayMode(), mode);
    EXPECT_STREQ(playModeNames[mode], names[mode]) << mode;
  }
}

TEST(CM_CondPlayModeTest, NoPlayModeAndOutOfRangeIndicesPrintTheEmptyName) {
  for (int mode : {0, -1, 18, 1000}) {
    CM_CondPlayMode condition(mode);
    EXPECT_EQ(protocolOf(condition), "(playm )") << mode;
    EXPECT_EQ(prettyOf(condition), "is play mode ''\n") << mode;
  }
  CM_CondPlayMode condition(3);
  EXPECT_EQ(condition.getType(), 5);
  EXPECT_TRUE(condition.evaluate());
}

TEST(CM_CondPlayerPositionTest, WritesBothFormsWithTheRegionNested) {
  CM_CondPlayerPosition condition(true, playersOf({1, 2}), 1, 3,
                                  std::make_unique<RegPointSimple>(0, 0));
  EXPECT_EQ(protocolOf(condition), "(ppos our {1 2} 1 3 (pt 0 0))");
  EXPECT_EQ(streamedOf(condition), "(ppos our {1 2} 1 3 (pt 0 0))");
  EXPECT_EQ(prettyOf(condition, "C "), "C are 1-3 our team {1 2} in:\nC  Point(0, 0)\n");
  EXPECT_EQ(condition.getType(), 2);
  EXPECT_TRUE(condition.evaluate());
}

TEST(CM_CondPlayerPositionTest, AccessorsChangeEveryField) {
  CM_CondPlayerPosition condition(true, PlayerSet(11), 1, 3, quad1to8());
  condition.setOurSide(false);
  EXPECT_TRUE(condition.isTheirSide());
  condition.addPlayer(0);
  condition.removePlayer(5);
  condition.setMinMatch(2);
  condition.setMaxMatch(11);
  EXPECT_EQ(condition.getMinMatch(), 2);
  EXPECT_EQ(condition.getMaxMatch(), 11);
  EXPECT_EQ(protocolOf(condition),
            std::string("(ppos opp {1 2 3 4 6 7 8 9 10 11} 2 11 ") + QUAD_1_TO_8 + ")");
  EXPECT_EQ(prettyOf(condition),
            std::string("are 2-11 opponent {1 2 3 4 6 7 8 9 10 11} in:\n ") + QUAD_1_TO_8_LINE);
  condition.clearPlayers();
  condition.setPlayers(playersOf({9}));
  EXPECT_TRUE(condition.getPlayers().contains(9));

  std::unique_ptr<Region> region = condition.releaseRegion();
  ASSERT_NE(region, nullptr);
  EXPECT_EQ(protocolOf(*region), QUAD_1_TO_8);
  EXPECT_EQ(condition.getRegion(), nullptr);
  EXPECT_EQ(protocolOf(condition), "(ppos opp {9} 2 11 )");
  EXPECT_EQ(prettyOf(condition), "are 2-11 opponent {9} in:\n NULL\n");
  condition.setRegion(std::move(region));
  EXPECT_EQ(protocolOf(condition), std::string("(ppos opp {9} 2 11 ") + QUAD_1_TO_8 + ")");
}

TEST(CM_CondAndTest, WritesBothFormsOfTheWorkedExample) {
  ConditionList parts;
  parts.push_back(std::make_unique<CM_CondPlayMode>(10));
  parts.push_back(std::make_unique<CM_CondBallOwner>(false, playersOf({0})));
  CM_CondAnd both(std::move(parts));
  EXPECT_EQ(protocolOf(both), "(and (playm ck_our) (bowner opp {0}))");
  EXPECT_EQ(streamedOf(both), "(and (playm ck_our) (bowner opp {0}))");
  EXPECT_EQ(prettyOf(both),
            "and\n"
            " +is play mode 'ck_our'\n"
            " +is ball controlled by someone in opponent {0}\n");
  EXPECT_EQ(both.getType(), 6);
  EXPECT_EQ(both.getConditions().size(), 2u);
}

TEST(CM_CondOrTest, WritesBothFormsWithNestedConditions) {
  ConditionList inner;
  inner.push_back(std::make_unique<CM_CondPlayMode>(3));
  ConditionList parts;
  parts.push_back(std::make_unique<CM_CondAnd>(std::move(inner)));
  parts.push_back(std::make_unique<CM_CondPlayMode>(1));
  CM_CondOr either(std::move(parts));
  EXPECT_EQ(protocolOf(either), "(or (and (playm play_on)) (playm bko))");
  EXPECT_EQ(prettyOf(either, "Q"),
            "Qor\n"
            "Q +and\n"
            "Q + +is play mode 'play_on'\n"
            "Q +is play mode 'bko'\n");
  EXPECT_EQ(either.getType(), 7);
}

TEST(LogicalConditionsTest, EmptyListsPrintBareAndEvaluateToTheirNeutralValue) {
  CM_CondAnd noneAnd;
  CM_CondOr noneOr;
  EXPECT_EQ(protocolOf(noneAnd), "(and)");
  EXPECT_EQ(protocolOf(noneOr), "(or)");
  EXPECT_EQ(prettyOf(noneAnd, "- "), "- and\n");
  EXPECT_EQ(prettyOf(noneOr, "- "), "- or\n");
  EXPECT_TRUE(noneAnd.evaluate());
  EXPECT_FALSE(noneOr.evaluate());
}

// Evaluates a logical condition over sub-conditions with the given values and
// reports the result and how many sub-conditions were asked.
template <class Logical>
std::pair<bool, int> evaluateOver(const std::vector<bool>& values) {
  Tally tally;
  int evaluations = 0;
  ConditionList parts;
  for (bool value : values) {
    parts.push_back(std::make_unique<CountedCondition>(tally, "c", value, &evaluations));
  }
  Logical logical(std::move(parts));
  const bool result = logical.evaluate();
  return {result, evaluations};
}

TEST(LogicalConditionsTest, EvaluationStopsAtTheFirstDecidingSubCondition) {
  struct Case {
    const char* name;
    std::vector<bool> values;
    bool andResult;
    int andAsked;
    bool orResult;
    int orAsked;
  };
  const Case cases[] = {
      {"all true", {true, true, true}, true, 3, true, 1},
      {"all false", {false, false}, false, 1, false, 2},
      {"false in the middle", {true, false, true}, false, 2, true, 1},
      {"true last", {false, false, true}, false, 1, true, 3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(evaluateOver<CM_CondAnd>(c.values), std::make_pair(c.andResult, c.andAsked))
        << c.name;
    EXPECT_EQ(evaluateOver<CM_CondOr>(c.values), std::make_pair(c.orResult, c.orAsked)) << c.name;
  }
}

TEST(LogicalConditionsTest, SetConditionsReplacesTheList) {
  CM_CondAnd both;
  ConditionList parts;
  parts.push_back(std::make_unique<CM_CondPlayMode>(5));
  both.setConditions(std::move(parts));
  EXPECT_EQ(protocolOf(both), "(and (playm ko_opp))");
  CM_CondOr either;
  ConditionList more;
  more.push_back(std::make_unique<CM_CondPlayMode>(6));
  more.push_back(std::make_unique<CM_CondPlayMode>(7));
  either.setConditions(std::move(more));
  EXPECT_EQ(protocolOf(either), "(or (playm ki_our) (playm ki_opp))");
}

}  // namespace
