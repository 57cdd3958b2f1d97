// Command line of the stand-in server: values, defaults and refusals.
#include "sim/sim_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

bool parse(std::vector<std::string> words, SimOptions& options, std::string& error) {
  std::vector<char*> argv;
  static char program[] = "touchliner-sim";
  argv.push_back(program);
  for (std::string& word : words) argv.push_back(word.data());
  return parseSimOptions(static_cast<int>(argv.size()), argv.data(), options, error);
}

TEST(SimOptionsTest, DefaultsAreThoseOfAStockServer) {
  SimOptions options;
  std::string error;
  ASSERT_TRUE(parse({}, options, error)) << error;
  EXPECT_EQ(options.coachPort, 6002);
  EXPECT_EQ(options.trainerPort, 6001);
  EXPECT_EQ(options.adviceInterval, 300);
  EXPECT_EQ(options.cycleMs, 100);
  EXPECT_EQ(options.clangWindow, 300);
  EXPECT_FALSE(options.match);
}

TEST(SimOptionsTest, ReadsEveryKindOfOption) {
  SimOptions options;
  std::string error;
  ASSERT_TRUE(parse({"--port",
                     "7002",
                     "--trainer-port",
                     "7001",
                     "--advice-interval",
                     "40",
                     "--cycle-ms",
                     "1",
                     "--match",
                     "--seed",
                     "12",
                     "--cycles",
                     "900",
                     "--half-time",
                     "450",
                     "--extra-time",
                     "--truth",
                     "t.txt",
                     "--before-init",
                     "(a)",
                     "--before-init",
                     "(b)",
                     "--after-init",
                     "(c)",
                     "--init-reply",
                     "(error x)",
                     "--left",
                     "Reds"},
                    options, error))
      << error;
  EXPECT_EQ(options.coachPort, 7002);
  EXPECT_EQ(options.trainerPort, 7001);
  EXPECT_EQ(options.adviceInterval, 40);
  EXPECT_EQ(options.cycleMs, 1);
  EXPECT_TRUE(options.match);
  EXPECT_EQ(options.seed, 12u);
  EXPECT_EQ(options.cycles, 900);
  EXPECT_EQ(options.halfTime, 450);
  EXPECT_TRUE(options.extraTime);
  EXPECT_EQ(options.truthFile, "t.txt");
  EXPECT_EQ(options.beforeInit, (std::vector<std::string>{"(a)", "(b)"}));
  EXPECT_EQ(options.afterInit, (std::vector<std::string>{"(c)"}));
  EXPECT_EQ(options.initReply, "(error x)");
  EXPECT_EQ(options.leftName, "Reds");
}

TEST(SimOptionsTest, RefusesBadCommandLines) {
  const std::vector<std::vector<std::string>> cases = {
      {"--bogus"},        {"--port"},           {"--port", "0"}, {"--port", "70000"},
      {"--port", "12ab"}, {"--cycle-ms", "-1"}, {"--seed", "x"}, {"--script", "a", "--match"},
  };
  for (const auto& words : cases) {
    SimOptions options;
    std::string error;
    std::string shown;
    for (const auto& word : words) shown += word + ' ';
    EXPECT_FALSE(parse(words, options, error)) << shown;
    EXPECT_FALSE(error.empty()) << shown;
  }
}

TEST(SimOptionsTest, HelpNamesEveryOption) {
  const std::string help = simHelpText();
  for (const char* name : {"--port",
                           "--trainer-port",
                           "--script",
                           "--cycle-ms",
                           "--log",
                           "--linger-ms",
                           "--advice-interval",
                           "--init-reply",
                           "--no-init-reply",
                           "--no-params",
                           "--before-init",
                           "--after-init",
                           "--script-at-init",
                           "--match",
                           "--seed",
                           "--cycles",
                           "--half-time",
                           "--pause-cycles",
                           "--extra-time",
                           "--extra-cycles",
                           "--truth",
                           "--record",
                           "--advice-log",
                           "--clang-window",
                           "--show-advice",
                           "--summary",
                           "--left",
                           "--right",
                           "--clients"}) {
    EXPECT_NE(help.find(name), std::string::npos) << name;
  }
}

}  // namespace
