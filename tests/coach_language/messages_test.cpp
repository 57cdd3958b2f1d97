// Text forms and token lists of the messages, and the text handling of the
// freeform message.
#include <gtest/gtest.h>

#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <utility>

#include "coach_language/cm_act_mark.h"
#include "coach_language/cm_act_position.h"
#include "coach_language/cm_advice_message.h"
#include "coach_language/cm_cond_and.h"
#include "coach_language/cm_cond_ball_owner.h"
#include "coach_language/cm_cond_play_mode.h"
#include "coach_language/cm_cond_player_position.h"
#include "coach_language/cm_define_message.h"
#include "coach_language/cm_dir_command.h"
#include "coach_language/cm_freeform_message.h"
#include "coach_language/cm_info_message.h"
#include "coach_language/cm_meta_message.h"
#include "coach_language/cm_tok_rule.h"
#include "coach_language/reg_point_simple.h"
#include "coach_language/reg_quad.h"
#include "coach_language/reg_union.h"
#include "tests/coach_language/counted_objects.h"
#include "tests/coach_language/text_forms.h"

namespace {

PlayerSet playersOf(std::initializer_list<int> numbers) {
  PlayerSet players(11);
  for (int n : numbers) players.add(n);
  return players;
}

// The rule of the worked example: opponent on the ball, own 3 marks opponent 7.
std::unique_ptr<CM_TokRule> markingRule() {
  DirectiveList directives;
  directives.push_back(std::make_unique<CM_DirCommand>(
      true, true, playersOf({3}), std::make_unique<CM_ActMark>(playersOf({7}))));
  return std::make_unique<CM_TokRule>(
      100, std::make_unique<CM_CondBallOwner>(false, playersOf({0})), std::move(directives));
}

TokenList tokensOf(std::unique_ptr<CM_Token> token) {
  TokenList tokens;
  tokens.push_back(std::move(token));
  return tokens;
}

TEST(CM_AdviceMessageTest, WritesTheSixLineReadableExample) {
  CM_AdviceMessage message(tokensOf(markingRule()));
  EXPECT_EQ(protocolOf(message), "(advice (100 (bowner opp {0}) (do our {3} (mark {7}))))");
  EXPECT_EQ(streamedOf(message), "(advice (100 (bowner opp {0}) (do our {3} (mark {7}))))");
  EXPECT_EQ(prettyOf(message),
            "Advice\n"
            " - for 100 cycles, if\n"
            " -  +is ball controlled by someone in opponent {0}\n"
            " - then\n"
            " -  *our team {3} DO: \n"
            " -  * mark opponent {7}\n");
  EXPECT_EQ(message.getType(), 2);
}

TEST(CM_InfoMessageTest, WritesTheSayExampleAndItsHeaderedReadableForm) {
  CM_InfoMessage message(tokensOf(markingRule()));
  std::ostringstream say;
  say << "(say " << message << ")";
  EXPECT_EQ(say.str(), "(say (info (100 (bowner opp {0}) (do our {3} (mark {7})))))");
  EXPECT_EQ(prettyOf(message, "I: "),
            "I: Info\n"
            "I:  - for 100 cycles, if\n"
            "I:  -  +is ball controlled by someone in opponent {0}\n"
            "I:  - then\n"
            "I:  -  *our team {3} DO: \n"
            "I:  -  * mark opponent {7}\n");
  EXPECT_EQ(message.getType(), 3);
}

TEST(MessagesTest, EmptyMessagesPrintKeywordAndTitleAlone) {
  struct Case {
    std::unique_ptr<CM_Message> message;
    const char* protocol;
    const char* pretty;
    int type;
  };
  Case cases[] = {
      {std::make_unique<CM_InfoMessage>(), "(info)", "> Info\n", 3},
      {std::make_unique<CM_AdviceMessage>(), "(advice)", "> Advice\n", 2},
      {std::make_unique<CM_MetaMessage>(), "(meta)", "> Meta\n", 0},
      {std::make_unique<CM_DefineMessage>(), "(define)", "> Define\n", 4},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(protocolOf(*c.message), c.protocol);
    EXPECT_EQ(streamedOf(*c.message), c.protocol);
    EXPECT_EQ(prettyOf(*c.message, "> "), c.pretty) << c.protocol;
    EXPECT_EQ(c.message->getType(), c.type) << c.protocol;
  }
}

TEST(MessagesTest, RuleWithoutConditionStillGetsItsBlank) {
  CM_InfoMessage info(tokensOf(std::make_unique<CM_TokRule>(100, nullptr)));
  EXPECT_EQ(protocolOf(info), "(info )");
  EXPECT_EQ(prettyOf(info), "Info\n");
  TokenList two;
  two.push_back(std::make_unique<CM_TokRule>(5, nullptr));
  two.push_back(markingRule());
  CM_AdviceMessage advice(std::move(two));
  EXPECT_EQ(protocolOf(advice), "(advice  (100 (bowner opp {0}) (do our {3} (mark {7}))))");
}

TEST(MessagesTest, MetaAndDefineMessagesPrintTheirTokensInOrder) {
  Tally tally;
  MetaTokenList meta;
  meta.push_back(std::make_unique<CountedMetaToken>(tally, "m1"));
  meta.push_back(std::make_unique<CountedMetaToken>(tally, "m2"));
  CM_MetaMessage metaMessage(std::move(meta));
  EXPECT_EQ(protocolOf(metaMessage), "(meta <m1> <m2>)");
  EXPECT_EQ(prettyOf(metaMessage, "H"), "HMeta\nH - m1\nH - m2\n");
  DefineTokenList define;
  define.push_back(std::make_unique<CountedDefineToken>(tally, "d1"));
  CM_DefineMessage defineMessage(std::move(define));
  EXPECT_EQ(protocolOf(defineMessage), "(define <d1>)");
  EXPECT_EQ(prettyOf(defineMessage, "H"), "HDefine\nH - d1\n");
}

// One message whose readable form passes through every level of nesting:
// message, rule, and-condition, player-position condition and its region,
// directive, position action and a union region.
TEST(MessagesTest, HeadersNestThroughEveryLevel) {
  ConditionList parts;
  parts.push_back(std::make_unique<CM_CondPlayMode>(3));
  parts.push_back(std::make_unique<CM_CondPlayerPosition>(false, playersOf({4, 5}), 1, 2,
                                                          std::make_unique<RegPointSimple>(1, 2)));
  auto area = std::make_unique<RegUnion>();
  area->addRegion(std::make_unique<RegPointSimple>(3, 4));
  area->addRegion(std::make_unique<RegQuad>(
      std::make_unique<RegPointSimple>(0, 0), std::make_unique<RegPointSimple>(1, 0),
      std::make_unique<RegPointSimple>(1, 1), std::make_unique<RegPointSimple>(0, 1)));
  DirectiveList directives;
  directives.push_back(std::make_unique<CM_DirCommand>(
      true, true, playersOf({2}), std::make_unique<CM_ActPosition>(std::move(area))));
  CM_AdviceMessage message(tokensOf(std::make_unique<CM_TokRule>(
      50, std::make_unique<CM_CondAnd>(std::move(parts)), std::move(directives))));

  EXPECT_EQ(protocolOf(message),
            "(advice (50 (and (playm play_on) (ppos opp {4 5} 1 2 (pt 1 2))) (do our {2} (pos "
            "(reg (pt 3 4) (quad (pt 0 0) (pt 1 0) (pt 1 1) (pt 0 1)))))))");
  EXPECT_EQ(prettyOf(message, "H:"),
            "H:Advice\n"
            "H: - for 50 cycles, if\n"
            "H: -  +and\n"
            "H: -  + +is play mode 'play_on'\n"
            "H: -  + +are 1-2 opponent {4 5} in:\n"
            "H: -  + + Point(1, 2)\n"
            "H: - then\n"
            "H: -  *our team {2} DO: \n"
            "H: -  * position self at: \n"
            "H: -  *  Region Union:\n"
            "H: -  *  o Point(3, 4)\n"
            "H: -  *  o Quadrangle: Point(0, 0) Point(1, 0) Point(1, 1) Point(0, 1) \n");
}

TEST(MessagesTest, TokenListsAreReadReplacedAndReleased) {
  CM_AdviceMessage message;
  TokenList tokens;  // the list starts out as the message's own, empty
  EXPECT_TRUE(message.getTokens().empty());
  tokens.push_back(markingRule());
  tokens.push_back(std::make_unique<CM_TokRule>(7, std::make_unique<CM_CondPlayMode>(1)));
  message.setTokens(std::move(tokens));
  ASSERT_EQ(message.getTokens().size(), 2u);
  EXPECT_EQ(protocolOf(message),
            "(advice (100 (bowner opp {0}) (do our {3} (mark {7}))) (7 (playm bko)))");

  TokenList released = message.releaseTokens();
  EXPECT_EQ(released.size(), 2u);
  EXPECT_TRUE(message.getTokens().empty());
  EXPECT_EQ(protocolOf(message), "(advice)");
  CM_InfoMessage info(std::move(released));
  EXPECT_EQ(protocolOf(info),
            "(info (100 (bowner opp {0}) (do our {3} (mark {7}))) (7 (playm bko)))");
}

// Captures what the freeform setters write to standard output.
class FreeformTest : public ::testing::Test {
 protected:
  void SetUp() override { saved = std::cout.rdbuf(captured.rdbuf()); }
  void TearDown() override { std::cout.rdbuf(saved); }
  std::string output() const { return captured.str(); }

  std::ostringstream captured;
  std::streambuf* saved = nullptr;
};

TEST_F(FreeformTest, WritesBothForms) {
  CM_FreeformMessage message("hello world");
  EXPECT_EQ(protocolOf(message), "(freeform \"hello world\")");
  EXPECT_EQ(streamedOf(message), "(freeform \"hello world\")");
  EXPECT_EQ(prettyOf(message, "F: "), "F: Freeform\nF:   \"hello world\"\n");
  EXPECT_EQ(message.getType(), 1);
  EXPECT_EQ(protocolOf(CM_FreeformMessage()), "(freeform \"\")");
  EXPECT_EQ(protocolOf(CM_FreeformMessage(nullptr)), "(freeform \"\")");
}

TEST_F(FreeformTest, KeepsAtMost128Characters) {
  const std::string exact(128, 'a');
  const std::string longer = std::string(128, 'b') + "c";
  EXPECT_EQ(CM_FreeformMessage(exact.c_str()).getText(), exact);
  EXPECT_EQ(CM_FreeformMessage(longer.c_str()).getText(), std::string(128, 'b'));
  EXPECT_EQ(CM_FreeformMessage(exact).getText(), exact);
  EXPECT_EQ(CM_FreeformMessage(longer).getText(), std::string(128, 'b'));
  CM_FreeformMessage message("short");
  message.setText(longer.c_str());
  EXPECT_EQ(message.getText(), std::string(128, 'b'));
  message.setText("x");
  EXPECT_EQ(message.getText(), std::string("x"));  // nothing of the longer text is left
  message.setText(nullptr);
  EXPECT_EQ(message.getText(), std::string(""));
  EXPECT_EQ(output(), "");
}

TEST_F(FreeformTest, QuotedSetterStripsTheQuotesOrReportsTheMissingOne) {
  struct Case {
    std::string quoted;
    std::string text;
    std::string report;
  };
  const Case cases[] = {
      {"\"pass more\"", "pass more", ""},
      {"\"pass more", "pass more", "no end quote! e"},
      {"\"", "", ""},
      {"\"\"", "", ""},
      {"", "", ""},
      {std::string("\"").append(127, 'q').append("\""), std::string(127, 'q'), ""},
      // 128 characters are copied after the opening quote; the closing one is beyond them.
      {std::string("\"").append(128, 'q').append("\""), std::string(128, 'q'), "no end quote! q"},
  };
  for (const Case& c : cases) {
    captured.str("");
    CM_FreeformMessage message("old");
    message.setQuotedText(c.quoted.c_str());
    EXPECT_EQ(message.getText(), c.text) << c.quoted;
    EXPECT_EQ(output(), c.report) << c.quoted;
    captured.str("");
    CM_FreeformMessage fromString("old");
    fromString.setQuotedText(c.quoted);
    EXPECT_EQ(fromString.getText(), c.text) << "string " << c.quoted;
    EXPECT_EQ(output(), c.report) << "string " << c.quoted;
  }
  CM_FreeformMessage message("old");
  message.setQuotedText(nullptr);
  EXPECT_EQ(message.getText(), std::string(""));
}

}  // namespace
