// Text forms and accessors of command directives and rule tokens, including
// the nesting of line headers down to actions and regions.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "coach_language/cm_act_mark.h"
#include "coach_language/cm_act_offsides_line.h"
#include "coach_language/cm_cond_ball_owner.h"
#include "coach_language/cm_cond_play_mode.h"
#include "coach_language/cm_dir_command.h"
#include "coach_language/cm_tok_rule.h"
#include "coach_language/reg_point_simple.h"
#include "coach_language/reg_quad.h"
#include "tests/coach_language/text_forms.h"

namespace {

PlayerSet playersOf(std::initializer_list<int> numbers) {
  PlayerSet players(11);
  for (int n : numbers) players.add(n);
  return players;
}

std::unique_ptr<CM_DirCommand> markDirective(int own, int opponent) {
  return std::make_unique<CM_DirCommand>(true, true, playersOf({own}),
                                         std::make_unique<CM_ActMark>(playersOf({opponent})));
}

std::unique_ptr<CM_CondBallOwner> opponentHasBall() {
  return std::make_unique<CM_CondBallOwner>(false, playersOf({0}));
}

// The rule of the worked example: opponent on the ball, own 3 marks opponent 7.
std::unique_ptr<CM_TokRule> markingRule() {
  DirectiveList directives;
  directives.push_back(markDirective(3, 7));
  return std::make_unique<CM_TokRule>(100, opponentHasBall(), std::move(directives));
}

TEST(CM_DirCommandTest, PositiveOwnDirectiveWritesBothForms) {
  auto directive = markDirective(3, 7);
  EXPECT_EQ(protocolOf(*directive), "(do our {3} (mark {7}))");
  EXPECT_EQ(streamedOf(*directive), "(do our {3} (mark {7}))");
  // The first line ends with a blank; the action is one blank deeper.
  EXPECT_EQ(prettyOf(*directive, "D"), "Dour team {3} DO: \nD mark opponent {7}\n");
  EXPECT_EQ(directive->getType(), 0);
}

TEST(CM_DirCommandTest, NegativeDirectiveForTheWholeOpponentTeam) {
  CM_DirCommand directive(false, false, playersOf({0}),
                          std::make_unique<CM_ActMark>(playersOf({1})));
  EXPECT_EQ(protocolOf(directive), "(dont opp {0} (mark {1}))");
  EXPECT_EQ(prettyOf(directive), "opponent {0} DON'T: \n mark opponent {1}\n");
}

TEST(CM_DirCommandTest, AccessorsChangeEveryField) {
  CM_DirCommand directive(true, true, PlayerSet(11), nullptr);
  EXPECT_TRUE(directive.isPositive());
  EXPECT_FALSE(directive.isNegative());
  EXPECT_TRUE(directive.isOurSide());
  EXPECT_FALSE(directive.isTheirSide());
  EXPECT_EQ(directive.getAction(), nullptr);
  // Without an action: nothing in protocol form, NULL in the readable form.
  EXPECT_EQ(protocolOf(directive), "(do our {} )");
  EXPECT_EQ(prettyOf(directive, "D"), "Dour team {} DO: \nD NULL\n");

  directive.setPositive(false);
  directive.setOurSide(false);
  directive.addPlayer(5);
  directive.addPlayer(1);
  directive.addPlayer(0 - 1);
  directive.setAction(std::make_unique<CM_ActMark>(playersOf({2})));
  EXPECT_TRUE(directive.isNegative());
  EXPECT_TRUE(directive.isTheirSide());
  ASSERT_NE(directive.getAction(), nullptr);
  EXPECT_EQ(directive.getAction()->getType(), 4);
  EXPECT_EQ(protocolOf(directive), "(dont opp {1 5} (mark {2}))");
  directive.removePlayer(5);
  EXPECT_EQ(protocolOf(directive), "(dont opp {1} (mark {2}))");
  directive.clearPlayers();
  EXPECT_FALSE(directive.getPlayers().contains(1));
  directive.setPlayers(playersOf({0}));
  EXPECT_EQ(protocolOf(directive), "(dont opp {0} (mark {2}))");
}

TEST(CM_TokRuleTest, WritesBothFormsOfTheWorkedExample) {
  auto rule = markingRule();
  EXPECT_EQ(protocolOf(*rule), "(100 (bowner opp {0}) (do our {3} (mark {7})))");
  EXPECT_EQ(streamedOf(*rule), "(100 (bowner opp {0}) (do our {3} (mark {7})))");
  EXPECT_EQ(prettyOf(*rule),
            "for 100 cycles, if\n"
            " +is ball controlled by someone in opponent {0}\n"
            "then\n"
            " *our team {3} DO: \n"
            " * mark opponent {7}\n");
  EXPECT_EQ(rule->getType(), 1);
}

TEST(CM_TokRuleTest, NestsTheRegionOfAnOffsideLineDirective) {
  auto quad = std::make_unique<RegQuad>(
      std::make_unique<RegPointSimple>(1, 2), std::make_unique<RegPointSimple>(3, 4),
      std::make_unique<RegPointSimple>(5, 6), std::make_unique<RegPointSimple>(7, 8));
  DirectiveList directives;
  directives.push_back(std::make_unique<CM_DirCommand>(
      true, true, playersOf({0}), std::make_unique<CM_ActOffsidesLine>(std::move(quad))));
  CM_TokRule rule(100, opponentHasBall(), std::move(directives));
  EXPECT_EQ(protocolOf(rule),
            "(100 (bowner opp {0}) (do our {0} (oline (quad (pt 1 2) (pt 3 4) (pt 5 6) (pt 7 "
            "8)))))");
  EXPECT_EQ(prettyOf(rule, "H"),
            "Hfor 100 cycles, if\n"
            "H +is ball controlled by someone in opponent {0}\n"
            "Hthen\n"
            "H *our team {0} DO: \n"
            "H * offsides line at: \n"
            "H *  Quadrangle: Point(1, 2) Point(3, 4) Point(5, 6) Point(7, 8) \n");
}

TEST(CM_TokRuleTest, RuleWithoutDirectivesEndsAfterThen) {
  CM_TokRule rule(100, opponentHasBall());
  EXPECT_EQ(protocolOf(rule), "(100 (bowner opp {0}))");
  EXPECT_EQ(prettyOf(rule, "R: "),
            "R: for 100 cycles, if\n"
            "R:  +is ball controlled by someone in opponent {0}\n"
            "R: then\n");
}

TEST(CM_TokRuleTest, RuleWithoutConditionIsSilentInBothForms) {
  DirectiveList directives;
  directives.push_back(markDirective(3, 7));
  CM_TokRule rule(100, nullptr, std::move(directives));
  EXPECT_EQ(protocolOf(rule), "");
  EXPECT_EQ(streamedOf(rule), "");
  EXPECT_EQ(prettyOf(rule, "R: "), "");
}

TEST(CM_TokRuleTest, HeadersAccumulateForEveryDirectiveInOrder) {
  DirectiveList directives;
  directives.push_back(markDirective(3, 7));
  directives.push_back(std::make_unique<CM_DirCommand>(
      true, false, playersOf({9}),
      std::make_unique<CM_ActOffsidesLine>(std::make_unique<RegPointSimple>(-0.0, 9.5))));
  CM_TokRule rule(1800, std::make_unique<CM_CondPlayMode>(9), std::move(directives));
  EXPECT_EQ(protocolOf(rule),
            "(1800 (playm fk_opp) (do our {3} (mark {7})) (do opp {9} (oline (pt -0 9.5))))");
  EXPECT_EQ(prettyOf(rule, "bla: setplay: "),
            "bla: setplay: for 1800 cycles, if\n"
            "bla: setplay:  +is play mode 'fk_opp'\n"
            "bla: setplay: then\n"
            "bla: setplay:  *our team {3} DO: \n"
            "bla: setplay:  * mark opponent {7}\n"
            "bla: setplay:  *opponent {9} DO: \n"
            "bla: setplay:  * offsides line at: \n"
            "bla: setplay:  *  Point(-0, 9.5)\n");
}

TEST(CM_TokRuleTest, AccessorsReplaceAndReleaseTheCondition) {
  auto rule = markingRule();
  EXPECT_EQ(rule->getTtl(), 100);
  rule->setTtl(63);
  rule->setCondition(std::make_unique<CM_CondPlayMode>(3));
  ASSERT_NE(rule->getCondition(), nullptr);
  EXPECT_EQ(protocolOf(*rule), "(63 (playm play_on) (do our {3} (mark {7})))");

  std::unique_ptr<CM_Condition> released = rule->releaseCondition();
  ASSERT_NE(released, nullptr);
  EXPECT_EQ(protocolOf(*released), "(playm play_on)");
  EXPECT_EQ(rule->getCondition(), nullptr);
  EXPECT_EQ(protocolOf(*rule), "");

  rule->setCondition(std::move(released));
  DirectiveList replacement;
  replacement.push_back(markDirective(1, 2));
  replacement.push_back(markDirective(4, 5));
  rule->setDirectives(std::move(replacement));
  ASSERT_EQ(rule->getDirectives().size(), 2u);
  EXPECT_EQ(protocolOf(*rule),
            "(63 (playm play_on) (do our {1} (mark {2})) (do our {4} (mark {5})))");
}

}  // namespace
