// Script files and their playing: skipped lines, views as cycle ends, the cycle and play mode
// a script reaches.
#include "sim/script.h"

#include <gtest/gtest.h>

#include "sim/script_game.h"
#include "tests/sim/fake_game_output.h"
#include "tests/support/process.h"

namespace {

TEST(ScriptTest, SkipsBlankAndCommentLinesAndCarriageReturns) {
  test_support::TempDir dir;
  ASSERT_TRUE(test_support::writeFile(
      dir.file("s"), "# header\n\n(hear 0 referee play_on)\r\n  indented\n#x\n(see_global 1)\n"));
  std::vector<std::string> messages;
  ASSERT_TRUE(loadScript(dir.file("s"), messages));
  EXPECT_EQ(messages,
            (std::vector<std::string>{"(hear 0 referee play_on)", "  indented", "(see_global 1)"}));
  EXPECT_FALSE(loadScript(dir.file("missing"), messages));
}

TEST(ScriptTest, RecognisesViewsAndTheirCycles) {
  const struct {
    const char* message;
    bool view;
    int cycle;
  } cases[] = {
      {"(see_global 12 ((b) 0 0 0 0))", true, 12},
      {"(see 7 ((ball) 0 0 0 0))", true, 7},
      {"(see_global)", true, -1},
      {"(see_global x)", true, -1},
      {"(seen 3)", false, -1},
      {"(hear 3 referee play_on)", false, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(isViewMessage(c.message), c.view) << c.message;
    EXPECT_EQ(viewCycle(c.message), c.cycle) << c.message;
  }
}

TEST(ScriptGameTest, EachCycleEndsWithAViewAndEverythingGoesToEyes) {
  ScriptGame game({"(hear 0 referee kick_off_l)", "(see_global 0)", "(hear 1 referee play_on)",
                   "(ok)", "(see_global 1)", "(see_global 5)", "(hear 6 referee half_time)"});
  FakeGameOutput out;
  game.begin("a", "b");
  EXPECT_EQ(game.cycle(), 0);
  game.step(out);
  ASSERT_EQ(out.sent.size(), 2u);
  EXPECT_FALSE(game.playOn());
  game.step(out);
  ASSERT_EQ(out.sent.size(), 5u);
  EXPECT_EQ(out.sent[4].text, "(see_global 1)");
  EXPECT_TRUE(game.playOn());
  EXPECT_EQ(game.cycle(), 1);
  game.step(out);
  EXPECT_EQ(game.cycle(), 5);
  EXPECT_FALSE(game.finished());
  game.step(out);  // the last line has no view after it
  EXPECT_TRUE(game.finished());
  EXPECT_FALSE(game.playOn());
  ASSERT_EQ(out.sent.size(), 7u);
  for (const auto& message : out.sent) EXPECT_TRUE(message.view) << message.text;
}

TEST(ScriptGameTest, CountsViewsThatCarryNoCycle) {
  ScriptGame game({"(see_global)", "(see_global)"});
  FakeGameOutput out;
  game.step(out);
  game.step(out);
  EXPECT_EQ(game.cycle(), 2);
  EXPECT_TRUE(game.finished());
}

}  // namespace
