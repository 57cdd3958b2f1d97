// The trainer's iteration: "(start)" once per half-time announcement, the end
// at extended time or time over with the statistics and status 0.
#include "coach/main_loop.h"

#include <gtest/gtest.h>

#include <string>

#include "coach/dispatch.h"
#include "coach/intake_records.h"
#include "net/communication.h"
#include "net/signals.h"
#include "state/history.h"
#include "state/settings.h"
#include "tests/support/udp_peer.h"

namespace {

using namespace std::chrono_literals;
using ::testing::internal::CaptureStdout;
using ::testing::internal::GetCapturedStdout;

class TrainerIterationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetSettings();
    resetIntakeRecords();
    resetStateHistory();
    trainerMode = true;
    serverLink = open_server_link("127.0.0.1", server.port());
    ASSERT_GE(serverLink.socket, 0);
  }
  void TearDown() override {
    close_server_link(serverLink.socket);
    serverLink = ServerLink{};
    resetSettings();
    resetIntakeRecords();
  }
  test_support::UdpPeer server;
};

TEST_F(TrainerIterationTest, HalfTimeStartsOnce) {
  verbose = true;
  halfTimeSeen = true;
  CaptureStdout();
  EXPECT_FALSE(runTrainerIteration());
  EXPECT_FALSE(runTrainerIteration());
  EXPECT_EQ(GetCapturedStdout(), "Halftime: starting again...\nSending: (start)\n");
  EXPECT_FALSE(halfTimeSeen);
  std::string text;
  ASSERT_TRUE(server.receive(text, 2s));
  EXPECT_EQ(text, "(start)");
  EXPECT_FALSE(server.receive(text, 50ms)) << "only one (start)";
}

TEST_F(TrainerIterationTest, ExtendedTimeEndsTheGame) {
  verbose = true;
  extendedTimeSeen = true;
  CaptureStdout();
  EXPECT_TRUE(runTrainerIteration());
  EXPECT_EQ(GetCapturedStdout(), "Extended: stoping game...\n");
  EXPECT_TRUE(gameOver);
  EXPECT_FALSE(extendedTimeSeen);
}

TEST_F(TrainerIterationTest, NoFlagsChangeNothing) {
  EXPECT_FALSE(runTrainerIteration());
  std::string text;
  EXPECT_FALSE(server.receive(text, 50ms));
  gameOver = true;
  EXPECT_TRUE(runTrainerIteration());
}

TEST_F(TrainerIterationTest, LoopEndsWithStatisticsAndStatusZero) {
  EXPECT_EXIT(
      {
        sigset_t mask = install_signal_handlers(dispatch_message);
        leftGoals = 2;
        gameOver = true;
        raise(SIGIO);
        run_main_loop(mask);
      },
      ::testing::ExitedWithCode(0), "^l,2,0,0,0\nr,0,0,0,0\nx,\n$");
}

}  // namespace
