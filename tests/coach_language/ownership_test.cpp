// Every owner destroys what it holds exactly once: on its own destruction, when
// a held object or list is replaced, and never after handing it back.
#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "coach_language/cm_act_offsides_line.h"
#include "coach_language/cm_act_position.h"
#include "coach_language/cm_advice_message.h"
#include "coach_language/cm_cond_and.h"
#include "coach_language/cm_cond_or.h"
#include "coach_language/cm_cond_player_position.h"
#include "coach_language/cm_define_message.h"
#include "coach_language/cm_dir_command.h"
#include "coach_language/cm_info_message.h"
#include "coach_language/cm_meta_message.h"
#include "coach_language/cm_tok_rule.h"
#include "coach_language/reg_arc.h"
#include "coach_language/reg_point_relative.h"
#include "coach_language/reg_quad.h"
#include "coach_language/reg_union.h"
#include "tests/coach_language/counted_objects.h"
#include "tests/coach_language/text_forms.h"

namespace {

class OwnershipTest : public ::testing::Test {
 protected:
  std::unique_ptr<CountedPoint> point(const char* label = "p") {
    return std::make_unique<CountedPoint>(tally, label);
  }
  std::unique_ptr<CountedRegion> region(const char* label = "r") {
    return std::make_unique<CountedRegion>(tally, label);
  }

  Tally tally;
};

TEST_F(OwnershipTest, RegionsDestroyTheirPointsAndMembers) {
  {
    RegPointRelative relative(1, 2, point());
    RegQuad quad(point(), point(), point(), point());
    RegArc arc(point(), 1, 2, 0, 90);
    RegionList members;
    members.push_back(region());
    members.push_back(region());
    members.push_back(std::make_unique<RegQuad>(point(), point(), point(), point()));
    RegUnion regions(std::move(members));
    EXPECT_EQ(tally.destroyed, 0);
  }
  EXPECT_EQ(tally.destroyed, 1 + 4 + 1 + 6);
}

TEST_F(OwnershipTest, RegionSettersDestroyOnlyWhatTheyReplace) {
  RegPointRelative relative(1, 2, point("old"));
  relative.setOrigin(point("new"));
  EXPECT_EQ(tally.destroyed, 1);
  EXPECT_EQ(protocolOf(relative), "(pt 1 2 <new>)");

  RegQuad quad(point(), point(), point(), point());
  EXPECT_TRUE(quad.setPoint(2, point("c2")));
  EXPECT_EQ(tally.destroyed, 2);
  EXPECT_FALSE(quad.setPoint(4, nullptr));
  EXPECT_EQ(tally.destroyed, 2);
  quad.setPoints(point(), point(), point(), point());
  EXPECT_EQ(tally.destroyed, 6);

  RegArc arc(point(), 1, 2, 0, 90);
  arc.setCenter(point("centre"));
  EXPECT_EQ(tally.destroyed, 7);
  EXPECT_EQ(protocolOf(arc), "(arc <centre> 1 2 0 90)");

  RegUnion regions;
  regions.addRegion(region());
  regions.addRegion(region());
  EXPECT_TRUE(regions.setRegion(1, region("r1")));
  EXPECT_EQ(tally.destroyed, 8);
  RegionList replacement;
  replacement.push_back(region("only"));
  regions.setRegions(std::move(replacement));
  EXPECT_EQ(tally.destroyed, 10);
  EXPECT_EQ(protocolOf(regions), "(reg <only>)");
}

TEST_F(OwnershipTest, ActionsAndConditionsDestroyTheirRegionsAndParts) {
  {
    CM_ActPosition position(region());
    CM_ActOffsidesLine oline(region());
    CM_CondPlayerPosition where(true, PlayerSet(11), 1, 1, region());
    ConditionList parts;
    parts.push_back(std::make_unique<CountedCondition>(tally, "a"));
    parts.push_back(std::make_unique<CountedCondition>(tally, "b"));
    CM_CondAnd both(std::move(parts));
    ConditionList others;
    others.push_back(std::make_unique<CountedCondition>(tally, "c"));
    CM_CondOr either(std::move(others));
  }
  EXPECT_EQ(tally.destroyed, 6);
}

TEST_F(OwnershipTest, ActionAndConditionSettersDestroyOnlyWhatTheyReplace) {
  CM_ActPosition position(region());
  position.setRegion(region("new"));
  EXPECT_EQ(tally.destroyed, 1);
  CM_ActOffsidesLine oline(region());
  oline.setRegion(region("new"));
  EXPECT_EQ(tally.destroyed, 2);
  EXPECT_EQ(protocolOf(oline), "(oline <new>)");

  CM_CondPlayerPosition where(true, PlayerSet(11), 1, 1, region());
  where.setRegion(region("kept"));
  EXPECT_EQ(tally.destroyed, 3);
  std::unique_ptr<Region> released = where.releaseRegion();
  EXPECT_EQ(tally.destroyed, 3);
  EXPECT_EQ(protocolOf(*released), "<kept>");

  CM_CondAnd both;
  ConditionList parts;
  parts.push_back(std::make_unique<CountedCondition>(tally, "a"));
  parts.push_back(std::make_unique<CountedCondition>(tally, "b"));
  both.setConditions(std::move(parts));
  ConditionList replacement;
  replacement.push_back(std::make_unique<CountedCondition>(tally, "c"));
  both.setConditions(std::move(replacement));
  EXPECT_EQ(tally.destroyed, 5);
  EXPECT_EQ(protocolOf(both), "(and <c>)");

  ConditionList orParts;
  orParts.push_back(std::make_unique<CountedCondition>(tally, "d"));
  CM_CondOr either(std::move(orParts));
  either.setConditions(ConditionList{});
  EXPECT_EQ(tally.destroyed, 6);
  EXPECT_EQ(protocolOf(either), "(or)");
}

TEST_F(OwnershipTest, DirectivesAndRulesDestroyWhatTheyHold) {
  {
    CM_DirCommand directive(true, true, PlayerSet(11),
                            std::make_unique<CountedAction>(tally, "act"));
    DirectiveList directives;
    directives.push_back(std::make_unique<CountedDirective>(tally, "d1"));
    directives.push_back(std::make_unique<CountedDirective>(tally, "d2"));
    CM_TokRule rule(10, std::make_unique<CountedCondition>(tally, "c"), std::move(directives));
  }
  EXPECT_EQ(tally.destroyed, 4);
}

TEST_F(OwnershipTest, DirectiveAndRuleSettersDestroyOnlyWhatTheyReplace) {
  CM_DirCommand directive(true, true, PlayerSet(11), std::make_unique<CountedAction>(tally, "a"));
  directive.setAction(std::make_unique<CountedAction>(tally, "b"));
  EXPECT_EQ(tally.destroyed, 1);
  EXPECT_EQ(protocolOf(directive), "(do our {} <b>)");

  CM_TokRule rule(10, std::make_unique<CountedCondition>(tally, "c1"));
  rule.setCondition(std::make_unique<CountedCondition>(tally, "c2"));
  EXPECT_EQ(tally.destroyed, 2);
  std::unique_ptr<CM_Condition> released = rule.releaseCondition();
  EXPECT_EQ(tally.destroyed, 2);
  EXPECT_EQ(protocolOf(*released), "<c2>");

  rule.setCondition(std::move(released));
  DirectiveList first;
  first.push_back(std::make_unique<CountedDirective>(tally, "d1"));
  first.push_back(std::make_unique<CountedDirective>(tally, "d2"));
  rule.setDirectives(std::move(first));
  DirectiveList second;
  second.push_back(std::make_unique<CountedDirective>(tally, "d3"));
  rule.setDirectives(std::move(second));
  EXPECT_EQ(tally.destroyed, 4);
  EXPECT_EQ(protocolOf(rule), "(10 <c2> <d3>)");
}

// The four token-carrying messages behave alike: destruction, replacement and release.
template <class Message, class Token, class List>
void checkTokenOwnership(Tally& tally) {
  auto listOf = [&tally](std::initializer_list<const char*> labels) {
    List tokens;
    for (const char* label : labels) tokens.push_back(std::make_unique<Token>(tally, label));
    return tokens;
  };
  const int before = tally.destroyed;
  {
    Message message(listOf({"t1", "t2"}));
    message.setTokens(listOf({"t3"}));
    EXPECT_EQ(tally.destroyed - before, 2);
    List released = message.releaseTokens();
    EXPECT_EQ(tally.destroyed - before, 2);
    EXPECT_EQ(released.size(), 1u);
    EXPECT_TRUE(message.getTokens().empty());
    message.setTokens(listOf({"t4", "t5"}));
  }
  // t3 went with the released list at the end of the block, t4 and t5 with the message.
  EXPECT_EQ(tally.destroyed - before, 5);
}

TEST_F(OwnershipTest, MessagesDestroyReplaceAndReleaseTheirTokens) {
  checkTokenOwnership<CM_InfoMessage, CountedToken, TokenList>(tally);
  checkTokenOwnership<CM_AdviceMessage, CountedToken, TokenList>(tally);
  checkTokenOwnership<CM_MetaMessage, CountedMetaToken, MetaTokenList>(tally);
  checkTokenOwnership<CM_DefineMessage, CountedDefineToken, DefineTokenList>(tally);
  EXPECT_EQ(tally.destroyed, 20);
}

TEST_F(OwnershipTest, WholeTreeIsDestroyedThroughTheMessageBase) {
  DirectiveList directives;
  directives.push_back(
      std::make_unique<CM_DirCommand>(true, true, PlayerSet(11),
                                      std::make_unique<CM_ActPosition>(std::make_unique<RegQuad>(
                                          point(), point(), point(), point()))));
  ConditionList parts;
  parts.push_back(std::make_unique<CountedCondition>(tally, "c"));
  TokenList tokens;
  tokens.push_back(std::make_unique<CM_TokRule>(1, std::make_unique<CM_CondAnd>(std::move(parts)),
                                                std::move(directives)));
  std::unique_ptr<CM_Message> message = std::make_unique<CM_InfoMessage>(std::move(tokens));
  message.reset();
  EXPECT_EQ(tally.destroyed, 5);
}

}  // namespace
