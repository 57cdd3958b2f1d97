// Answers to the coaches' says: verdicts, the quota per coach and window during play_on only,
// the advice log's lines and the records kept for the summary.
#include "sim/say_check.h"

#include <gtest/gtest.h>

#include "tests/support/process.h"

namespace {

const std::string info = "(say (info (300 (bowner opp {0}) (do opp {3} (mark {2})))))";
const std::string advice = "(say (advice (300 (bowner our {0}) (do our {2} (mark {1})))))";

TEST(SayCheckTest, QuotaCountsPerCoachAndWindowDuringPlayOnOnly) {
  test_support::TempDir dir;
  SayChecker checker;
  ASSERT_TRUE(checker.open(dir.file("advice"), 100, false));
  const struct {
    std::string say;
    int cycle;
    bool playOn;
    char side;
    const char* answer;
  } cases[] = {
      {info, 10, false, 'l', "(ok say)"},
      {info, 11, false, 'l', "(ok say)"},  // outside play_on nothing counts
      {info, 12, true, 'l', "(ok say)"},
      {info, 13, true, 'l', "(error said_too_many_info_messages)"},
      {advice, 14, true, 'l', "(ok say)"},  // another kind has a quota of its own
      {info, 15, true, 'r', "(ok say)"},    // and so has the other coach
      {info, 99, true, 'l', "(error said_too_many_info_messages)"},
      {info, 100, true, 'l', "(ok say)"},  // the next window
      {"(say (info (300 (bowner opp {0}))))", 101, true, 'l', "(error illegal_command_form)"},
      {"(say)", 102, true, 'l', "(error illegal_command_form)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(checker.answer(c.say, c.cycle, c.playOn, c.side), c.answer) << c.cycle;
  }
  std::vector<std::string> log = test_support::readLines(dir.file("advice"));
  ASSERT_EQ(log.size(), std::size(cases));
  EXPECT_EQ(log[0], "10 l ok info 1 " + info.substr(5, info.size() - 6));
  EXPECT_EQ(log[3], "13 l quota info 1 " + info.substr(5, info.size() - 6));
  EXPECT_EQ(log[8], "101 l illegal info 0 (info (300 (bowner opp {0})))");
  EXPECT_EQ(log[9], "102 l illegal unknown 0 ");
  ASSERT_EQ(checker.records().size(), std::size(cases));
  EXPECT_TRUE(checker.records()[3]->valid);
  EXPECT_FALSE(checker.records()[3]->admitted);
  ASSERT_NE(checker.records()[4]->message, nullptr);
  EXPECT_EQ(checker.records()[4]->kind, ClangMessageKind::Advice);
  EXPECT_EQ(checker.records()[8]->message, nullptr);
}

TEST(SayCheckTest, AdviceLogThatCannotBeCreatedIsRefused) {
  SayChecker checker;
  EXPECT_FALSE(checker.open("/nonexistent/dir/advice", 300, false));
  SayChecker quiet;
  EXPECT_TRUE(quiet.open("", 300, false));
  EXPECT_EQ(quiet.answer(info, 1, true, 'l'), "(ok say)");
}

}  // namespace
