// The server link against a loopback peer: texts sent, the port switch,
// foreign and oversized datagrams, buffer limits, the handshake wait.
#include "net/communication.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <thread>

#include "coach_language/cm_message.h"
#include "tests/net/link_fixture.h"

namespace {

using namespace std::chrono_literals;
using ::testing::internal::CaptureStderr;
using ::testing::internal::CaptureStdout;
using ::testing::internal::GetCapturedStderr;
using ::testing::internal::GetCapturedStdout;

class FixedMessage : public CM_Message {
 public:
  explicit FixedMessage(std::string text) : text_(std::move(text)) {}
  std::ostream& print(std::ostream& out) const override { return out << text_; }
  void printPretty(std::ostream& out, std::string header) const override {
    out << header << text_ << "\n";
  }
  int getType() const override { return 3; }

 private:
  std::string text_;
};

TEST_F(LinkTest, CommandTexts) {
  const struct {
    const char* name;
    bool (*send)();
    const char* text;
  } cases[] = {
      {"init empty", [] { return send_init(""); }, "(init  (version 7.00))"},
      {"init named", [] { return send_init("Foo"); }, "(init Foo (version 7.00))"},
      {"eye on", [] { return send_eye(true) == 0; }, "(eye on)"},
      {"eye off", [] { return send_eye(false) == 0; }, "(eye off)"},
      {"ear on", [] { return send_ear(true) == 0; }, "(ear on)"},
      {"ear off", [] { return send_ear(false) == 0; }, "(ear off)"},
      {"say", [] { return send_cm_message(FixedMessage("(info (1 x))")); }, "(say (info (1 x)))"},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(c.send()) << c.name;
    std::string text;
    ASSERT_TRUE(server.receive(text, 2s)) << c.name;
    EXPECT_EQ(text, c.text) << c.name;
  }
}

TEST_F(LinkTest, VerboseTrace) {
  verbose = true;
  CaptureStdout();
  send_eye(true);
  send_cm_message(FixedMessage("(advice)"));
  std::cout << "next" << std::endl;
  EXPECT_EQ(GetCapturedStdout(),
            "Sending: (eye on)\nSending: (say (advice))\nCMMessage sent.next\n");
}

TEST_F(LinkTest, SendFailures) {
  serverLink.serverAddress.sin_port = 0;  // port 0 cannot be sent to
  CaptureStderr();
  EXPECT_FALSE(send_cm_message(FixedMessage("(info)")));
  EXPECT_FALSE(send_init("x"));
  EXPECT_EQ(send_eye(true), -1);
  EXPECT_EQ(GetCapturedStderr(), "CMMessage NOT sent.");
}

TEST_F(LinkTest, SendBufferLimit) {
  std::string fits(SEND_BUFFER_SIZE - 1, 'a');
  EXPECT_EQ(send_message(fits), 0);
  std::string text;
  ASSERT_TRUE(server.receive(text, 2s));
  EXPECT_EQ(text.size(), fits.size());

  CaptureStderr();
  EXPECT_EQ(send_message(fits + "b"), -1);
  EXPECT_FALSE(send_cm_message(FixedMessage(std::string(5114, 'c'))));  // "(say " + ")" = 5120
  EXPECT_EQ(GetCapturedStderr(),
            "Warning, message of 5120 characters does not fit the send buffer.\n"
            "Warning, message of 5120 characters does not fit the send buffer.\n"
            "CMMessage NOT sent.");
  EXPECT_FALSE(server.receive(text, 50ms)) << "nothing oversized went out";
}

TEST_F(LinkTest, ReceiveNothingEmptyAndPortSwitch) {
  std::strcpy(receiveBuffer, "old");
  EXPECT_EQ(receive_message(), 0);
  EXPECT_STREQ(receiveBuffer, "");

  test_support::UdpPeer other;  // the server answering from a port of its own
  ASSERT_TRUE(other.sendTo(coachPort, ""));
  ASSERT_TRUE(arrived());
  EXPECT_EQ(receive_message(), 0) << "empty datagram";
  EXPECT_EQ(serverPort(), other.port()) << "an empty datagram still switches the port";

  ASSERT_TRUE(server.sendTo(coachPort, "(ok eye on)"));
  ASSERT_TRUE(arrived());
  EXPECT_EQ(receive_message(), 1);
  EXPECT_STREQ(receiveBuffer, "(ok eye on)");
  EXPECT_EQ(serverPort(), server.port());

  ASSERT_TRUE(other.sendTo(coachPort, "(init l ok)"));
  ASSERT_TRUE(arrived());
  EXPECT_EQ(receive_message(), 1);
  send_eye(true);
  std::string text;
  EXPECT_TRUE(other.receive(text, 2s)) << "the next command goes to the new port";
  EXPECT_EQ(text, "(eye on)");
  EXPECT_FALSE(server.receive(text, 50ms));
}

TEST_F(LinkTest, ForeignAndOversizedDatagramsSkipped) {
  test_support::UdpPeer foreign(0, "127.0.0.2");
  ASSERT_TRUE(foreign.ok());
  ASSERT_TRUE(foreign.sendTo(coachPort, "(see_global 1)"));
  ASSERT_TRUE(server.sendTo(coachPort, std::string(RECEIVE_BUFFER_SIZE, 'x')));
  ASSERT_TRUE(server.sendTo(coachPort, std::string(RECEIVE_BUFFER_SIZE - 1, 'y')));
  test_support::UdpPeer other;
  ASSERT_TRUE(other.sendTo(coachPort, "(hear 1 referee play_on)"));
  ASSERT_TRUE(arrived());
  std::this_thread::sleep_for(50ms);  // loopback delivers at once; a margin for the rest

  CaptureStderr();
  EXPECT_EQ(receive_message(), 1);
  EXPECT_EQ(std::string(receiveBuffer), std::string(RECEIVE_BUFFER_SIZE - 1, 'y'));
  EXPECT_EQ(serverPort(), server.port()) << "the foreign datagram switched nothing";
  EXPECT_EQ(receive_message(), 1);
  EXPECT_STREQ(receiveBuffer, "(hear 1 referee play_on)");
  EXPECT_EQ(serverPort(), other.port());
  EXPECT_EQ(receive_message(), 0);
  EXPECT_EQ(GetCapturedStderr(),
            "Warning, ignored a datagram from 127.0.0.2.\n"
            "Warning, discarded an oversized datagram of 5096 bytes.\n");
}

TEST_F(LinkTest, WaitReturnsAtTheFirstOfSeveral) {
  for (const char* text : {"(init r ok)", "(server_param 1)", "(player_param 2)"}) {
    ASSERT_TRUE(server.sendTo(coachPort, text));
  }
  ASSERT_TRUE(arrived());
  std::this_thread::sleep_for(50ms);
  EXPECT_TRUE(wait_for_message());
  EXPECT_STREQ(receiveBuffer, "(init r ok)");
  EXPECT_EQ(receive_message(), 1);
  EXPECT_STREQ(receiveBuffer, "(server_param 1)");
  EXPECT_EQ(receive_message(), 1);
  EXPECT_STREQ(receiveBuffer, "(player_param 2)");
}

TEST_F(LinkTest, WaitGivesUpAfterAboutFourSeconds) {
  auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(wait_for_message());
  auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_GE(waited, 3900ms);
  EXPECT_LT(waited, 8000ms);
}

TEST(OpenServerLink, UnresolvableHostExits255) {
  EXPECT_EXIT(open_server_link("no-such-host.invalid", 6002), ::testing::ExitedWithCode(255), "^$");
}

TEST(OpenServerLink, DottedAddressAndLow16BitsOfPort) {
  ServerLink link = open_server_link("127.0.0.1", 65536 + 6002);
  ASSERT_GE(link.socket, 0);
  EXPECT_EQ(ntohs(link.serverAddress.sin_port), 6002);
  EXPECT_EQ(ntohl(link.serverAddress.sin_addr.s_addr), 0x7f000001u);
  close_server_link(link.socket);
}

}  // namespace
