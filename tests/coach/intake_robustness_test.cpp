// The intake under damaged and extreme datagrams, fed as the link feeds them
// (through receiveBuffer and dispatch_message): every truncation of a full view,
// of a hear message and of the server parameters, and a view that fills the
// whole receive buffer. Run under the sanitizers these also guard against reads
// past the text.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "coach/dispatch.h"
#include "coach/intake_records.h"
#include "coach/server_params.h"
#include "net/communication.h"
#include "state/history.h"
#include "state/settings.h"

namespace {

class IntakeRobustnessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetAll();
    teamName = "Touchliner";
    ownSide = 1;
  }
  void TearDown() override { resetAll(); }
  static void resetAll() {
    resetSettings();
    resetIntakeRecords();
    resetStateHistory();
  }

  // Dispatches text from receiveBuffer, its warnings kept off the test output.
  static void feed(const std::string& text) {
    ASSERT_LT(text.size(), static_cast<std::size_t>(RECEIVE_BUFFER_SIZE));
    std::memcpy(receiveBuffer, text.c_str(), text.size() + 1);
    testing::internal::CaptureStderr();
    dispatch_message();
    testing::internal::GetCapturedStderr();
  }

  static int listedPlayers(const CycleState& state) {
    int listed = 0;
    for (const PlayerState& p : state.players) listed += p.listed ? 1 : 0;
    return listed;
  }
};

// A view of both full teams; numbers with several digits, goalies marked.
std::string fullView(bool longForm) {
  std::string view = longForm ? "(see 1234 ((goal l) -52.5 0) ((goal r) 52.5 0) ((ball) 1.25 -3.5 "
                                "0.4 -0.15)"
                              : "(see_global 1234 ((g l) -52.5 0) ((g r) 52.5 0) ((b) 1.25 -3.5 "
                                "0.4 -0.15)";
  char item[128];
  for (int side : {1, -1}) {
    for (int n = 1; n <= 11; ++n) {
      const char* team = side == 1 ? "Touchliner" : "Opponents";
      std::snprintf(item, sizeof item,
                    longForm ? " ((player %s %d%s) %g %g %g %g %g %g)"
                             : " ((p \"%s\" %d%s) %g %g %g %g %g %g)",
                    team, n, n == 1 ? " goalie" : "", side * (-48.125 + 8.5 * n), -30.5 + 5.75 * n,
                    0.125 * n, -0.0625 * n, -175.5 + 30 * n, -85.0 + 15 * n);
      view += item;
    }
  }
  return view + ")";
}

// Players whose object begins within text.
int playerOpenings(const std::string& text) {
  int count = 0;
  for (std::size_t at = text.find("((p"); at != std::string::npos; at = text.find("((p", at + 1)) {
    ++count;
  }
  return count;
}

TEST_F(IntakeRobustnessTest, ViewCutAnywhereAppendsOneStateWithinTheRecords) {
  for (bool longForm : {false, true}) {
    resetStateHistory();
    const std::string view = fullView(longForm);
    feed(view);
    ASSERT_EQ(stateHistory().size(), 1u) << "long form " << longForm;
    const CycleState& whole = *stateHistory().back();
    EXPECT_EQ(listedPlayers(whole), 22) << "long form " << longForm;
    EXPECT_EQ(whole.ball.x, 1.25) << "long form " << longForm;
    EXPECT_EQ(whole.players[21].neckAngle, 80) << "long form " << longForm;

    // Shorter and shorter cuts: the rest of the full view stays in the buffer
    // behind the terminating zero, as it does after a longer datagram.
    const std::size_t shortest = longForm ? 5 : 11;  // the opening word (and blank)
    int listedBefore = 22;
    for (std::size_t length = view.size() - 1; length >= shortest; --length) {
      const std::string cut = view.substr(0, length);
      feed(cut);
      ASSERT_EQ(stateHistory().size(), view.size() - length + 1)
          << "long form " << longForm << ", " << length;
      const CycleState& state = *stateHistory().back();
      const int listed = listedPlayers(state);
      EXPECT_LE(listed, listedBefore) << "long form " << longForm << ", " << length;
      EXPECT_LE(listed, playerOpenings(cut)) << "long form " << longForm << ", " << length;
      listedBefore = listed;
      for (int slot = 0; slot < 22; ++slot) {
        if (state.players[slot].listed) {
          EXPECT_EQ(state.players[slot].side, slot <= 10 ? 1 : -1)
              << "slot " << slot << ", " << length;
        }
      }
    }
  }
}

TEST_F(IntakeRobustnessTest, ViewFillingTheWholeReceiveBufferIsReadToTheEnd) {
  // Padding inside a goal, which is never read, brings the text to the longest
  // the buffer holds; the players come after it.
  const std::string players = fullView(false).substr(std::string("(see_global 1234").size());
  std::string view = "(see_global 1234 ((g l) -52.5 0";
  view += std::string(RECEIVE_BUFFER_SIZE - 1 - view.size() - 1 - players.size(), '0');
  view += ")" + players;
  ASSERT_EQ(view.size(), static_cast<std::size_t>(RECEIVE_BUFFER_SIZE - 1));
  feed(view);
  ASSERT_EQ(stateHistory().size(), 1u);
  EXPECT_EQ(listedPlayers(*stateHistory().back()), 22);
  EXPECT_EQ(stateHistory().back()->players[21].x, -(-48.125 + 8.5 * 11));
}

TEST_F(IntakeRobustnessTest, HearCutBeforeItsEndChangesNothing) {
  const std::string hear = "(hear 1234 referee goal_l_2)";
  for (std::size_t length = 5; length < hear.size(); ++length) {
    resetIntakeRecords();
    feed(hear.substr(0, length));
    EXPECT_EQ(currentPlayMode, 0) << length;
    EXPECT_EQ(leftGoals, 0) << length;
  }
  feed(hear);
  EXPECT_EQ(currentPlayMode, 14);
  EXPECT_EQ(leftGoals, 1);
}

TEST_F(IntakeRobustnessTest, ServerParamsCutAnywhereKeepTheValuesRead) {
  // Value n is n + 0.5 (integers: n); a cut after value n leaves 1..n read and
  // the rest zero.
  Serverparam types;
  std::string message = "(server_param";
  std::vector<std::size_t> valueEnds;
  for (int n = 1; n <= 97; ++n) {
    message += ' ';
    message += types.slots()[n - 1].isInteger ? std::to_string(n) : std::to_string(n) + ".5";
    valueEnds.push_back(message.size());
  }
  message += ")";
  for (std::size_t length = 13; length <= message.size(); ++length) {
    feed(message.substr(0, length));
    ASSERT_NE(serverParams, nullptr) << length;
  }
  for (int n = 1; n <= 97; ++n) {
    feed(message.substr(0, valueEnds[n - 1]) + " ");
    const double expected = types.slots()[n - 1].isInteger ? n : n + 0.5;
    EXPECT_EQ(serverParams->value(n), expected) << "cut after value " << n;
    if (n < 97) {
      EXPECT_EQ(serverParams->value(n + 1), 0) << "cut after value " << n;
    }
  }
  EXPECT_EQ(serverParams->adviceInterval, 63);
}

// A ball far out (a damaged but readable number) in the view after a kick: the
// shot and pass checks get an infinite ball speed and a path that is not a
// number, and must still end. Run in a child that an alarm ends when it hangs.
using IntakeRobustnessDeathTest = IntakeRobustnessTest;

TEST_F(IntakeRobustnessDeathTest, FarBallAfterAKickIsTakenInWithoutHanging) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  for (const char* far : {"-1e300 0", "1e200 1e200"}) {
    const std::string player = " ((p \"Touchliner\" 9) 0 0 0 0 0 0))";
    EXPECT_EXIT(
        {
          alarm(5);
          feed("(see_global 1 ((b) 0.5 0 0 0)" + player);
          feed("(see_global 2 ((b) 0.5 0 1 0)" + player);  // player 9 kicks
          feed(std::string("(see_global 3 ((b) ") + far + " 0 0)" + player);
          std::exit(stateHistory().size() == 3 ? 0 : 2);
        },
        testing::ExitedWithCode(0), "")
        << far;
  }
}

}  // namespace
