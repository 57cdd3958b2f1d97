// Signal-driven receive: datagrams dispatched only inside the wait, all of
// them in arrival order; the alarm count and its warning.
#include "net/signals.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "tests/net/link_fixture.h"

namespace {

using namespace std::chrono_literals;
using ::testing::internal::CaptureStderr;
using ::testing::internal::GetCapturedStderr;

std::vector<std::string> dispatched;
void record() {
  dispatched.push_back(receiveBuffer);
}

class SignalTest : public LinkTest {
 protected:
  void SetUp() override {
    LinkTest::SetUp();
    dispatched.clear();
    waitMask = install_signal_handlers(record);
    alarmCount = 0;
  }
  sigset_t waitMask;
};

TEST_F(SignalTest, WaitingDatagramsDispatchedInOrderInsideTheWait) {
  test_support::UdpPeer other;
  ASSERT_TRUE(server.sendTo(coachPort, "(init l ok)"));
  ASSERT_TRUE(server.sendTo(coachPort, "(server_param 1)"));
  ASSERT_TRUE(other.sendTo(coachPort, ""));
  ASSERT_TRUE(other.sendTo(coachPort, "(player_type 0)"));
  ASSERT_TRUE(arrived());
  std::this_thread::sleep_for(50ms);
  EXPECT_TRUE(dispatched.empty()) << "SIGIO is held back while the main flow works";

  alarmCount = 5;
  EXPECT_TRUE(wait_for_signal(waitMask));
  EXPECT_EQ(dispatched,
            (std::vector<std::string>{"(init l ok)", "(server_param 1)", "(player_type 0)"}))
      << "an empty datagram does not stop the reading";
  EXPECT_EQ(alarmCount, 0);
  EXPECT_FALSE(datagram_waiting());
  EXPECT_EQ(ntohs(serverLink.serverAddress.sin_port), other.port());
}

TEST_F(SignalTest, IoSignalWithNothingToReadResetsAlarms) {
  alarmCount = 7;
  raise(SIGIO);  // pending until the wait
  EXPECT_EQ(alarmCount, 7);
  EXPECT_TRUE(wait_for_signal(waitMask));
  EXPECT_EQ(alarmCount, 0);
  EXPECT_TRUE(dispatched.empty());
}

TEST_F(SignalTest, EleventhAlarmWarnsAndEveryFurtherOne) {
  const std::string warning = "Too many alarms between ios from server. Should I Shut down?\n";
  CaptureStderr();
  for (int i = 0; i < 10; ++i) raise(SIGALRM);
  EXPECT_EQ(GetCapturedStderr(), "");
  EXPECT_EQ(alarmCount, 10);
  CaptureStderr();
  raise(SIGALRM);
  raise(SIGALRM);
  EXPECT_EQ(GetCapturedStderr(), warning + warning);

  raise(SIGIO);
  wait_for_signal(waitMask);
  CaptureStderr();
  raise(SIGALRM);
  EXPECT_EQ(GetCapturedStderr(), "") << "the I/O signal started the count again";
  EXPECT_EQ(alarmCount, 1);
}

}  // namespace
