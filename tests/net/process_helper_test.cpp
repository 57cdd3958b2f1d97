// The end-to-end tests' process helper: exit statuses, captured streams,
// bounded waits and signals.
#include <gtest/gtest.h>
#include <signal.h>

#include "tests/support/process.h"
#include "tests/support/udp_peer.h"

using namespace test_support;
using namespace std::chrono_literals;

TEST(ProcessHelper, CapturesStreamsAndExitStatus) {
  TempDir dir;
  auto child = ChildProcess::start("/bin/sh", {"-c", "echo out; echo err >&2; exit 3"},
                                   dir.file("out"), dir.file("err"));
  ASSERT_NE(child, nullptr);
  ASSERT_TRUE(child->waitFor(5s));
  EXPECT_EQ(child->exitStatus(), 3);
  EXPECT_EQ(child->termSignal(), 0);
  EXPECT_EQ(readFile(dir.file("out")), "out\n");
  EXPECT_EQ(readFile(dir.file("err")), "err\n");
}

TEST(ProcessHelper, BoundedWaitAndSignal) {
  TempDir dir;
  auto child = ChildProcess::start("/bin/sleep", {"30"}, dir.file("out"), dir.file("err"));
  ASSERT_NE(child, nullptr);
  EXPECT_FALSE(child->waitFor(50ms)) << "sleep must still run";
  EXPECT_TRUE(child->running());
  EXPECT_TRUE(child->signal(SIGTERM));
  ASSERT_TRUE(child->waitFor(5s));
  EXPECT_EQ(child->termSignal(), SIGTERM);
  EXPECT_EQ(child->exitStatus(), -1);
  EXPECT_FALSE(child->signal(SIGTERM)) << "an ended process is not signalled";
}

TEST(ProcessHelper, MissingProgramExits127) {
  TempDir dir;
  auto child = ChildProcess::start("/nonexistent/program", {}, dir.file("o"), dir.file("e"));
  ASSERT_NE(child, nullptr);
  ASSERT_TRUE(child->waitFor(5s));
  EXPECT_EQ(child->exitStatus(), 127);
}

TEST(UdpPeerHelper, RoundTripOnLoopback) {
  UdpPeer a, b;
  ASSERT_TRUE(a.ok() && b.ok());
  EXPECT_GT(freeUdpPort(), 0);
  ASSERT_TRUE(a.sendTo(b.port(), "(hello)"));
  std::string text;
  ASSERT_TRUE(b.receive(text, 2s));
  EXPECT_EQ(text, "(hello)");
  EXPECT_EQ(b.lastSenderPort(), a.port());
  ASSERT_TRUE(b.reply("(back)"));
  ASSERT_TRUE(a.receive(text, 2s));
  EXPECT_EQ(text, "(back)");
  EXPECT_FALSE(a.receive(text, 20ms)) << "nothing more is waiting";
}
