// The coach's start-up against touchliner-sim and a mute peer: init text,
// sides, refused and missing replies, everything waiting at the handshake,
// trainer commands, the verbose trace, unknown and oversized messages, alarms.
#include <gtest/gtest.h>
#include <signal.h>

#include <string>
#include <thread>

#include "tests/coach/e2e_fixture.h"
#include "tests/support/udp_peer.h"

namespace {

using namespace std::chrono_literals;

const std::string handshakeTrace =
    "Sending: (init  (version 7.00))\n"
    "Sent init to server.\n"
    "Server acknowledged init-message.\n"
    "We are on side l\n"
    "Sending: (eye on)\n"
    "Serverparam created.\n"
    "Playerparam created.\n"
    "0. Playertype created.\n"
    "1. Playertype created.\n"
    "2. Playertype created.\n"
    "3. Playertype created.\n"
    "4. Playertype created.\n"
    "5. Playertype created.\n"
    "6. Playertype created.\n"
    "Last command was ok.\n";

TEST_F(EndToEndTest, CommandLineFailures) {
  const std::string usage =
      "Usage: touchliner-v\t\tverbose-h hostname\thost the server runs on"
      "-p port\tport of the socket to server-t teamname\tname of coach's team"
      "-T             this is a trainer (not a coach)\n";
  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;
  } cases[] = {
      {{"-x"}, 1, usage},
      {{"-v", "Foo"}, 1, usage},
      {{"-t"}, 1, usage},
      {{"-p", "6002", "-h"}, 1, usage},
      {{"-h", "no-such-host.invalid"}, 255, ""},
      // Port 0 (no digits, or only its low 16 bits) cannot be sent to.
      {{"-h", "127.0.0.1", "-p", "abc"}, 1, "Can't send  init to server.\n"},
      {{"-h", "127.0.0.1", "-p", "65536"}, 1, "Can't send  init to server.\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.back());
    startCoach(c.args);
    ASSERT_TRUE(coach->waitFor(10s));
    EXPECT_EQ(coach->exitStatus(), c.status);
    EXPECT_EQ(coachErr(), c.err);
    EXPECT_EQ(coachOut(), "");
  }
}

TEST_F(EndToEndTest, HandshakeTraceAndPortSwitch) {
  startSim({});
  startCoach({"-v", "-p", std::to_string(port)});
  ASSERT_TRUE(outContains("Last command was ok.")) << coachOut() << coachErr();
  EXPECT_EQ(coachOut(), handshakeTrace);
  EXPECT_EQ(coachErr(), "");
  auto log = simLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0],
            std::make_pair(std::string("coach-port"), std::string("(init  (version 7.00))")))
      << "an empty team name leaves two blanks";
  EXPECT_EQ(log[1], std::make_pair(std::string("l"), std::string("(eye on)")))
      << "after the reply, commands go to the port it came from";
  EXPECT_TRUE(coach->running()) << "the coach runs until it is terminated";
}

TEST_F(EndToEndTest, SidesFromTheReply) {
  const struct {
    const char* name;
    std::vector<std::string> simArgs;
    const char* sideLine;
  } cases[] = {
      {"first team", {}, "We are on side l\n"},
      {"left reserved for another", {"--left", "Other"}, "We are on side r\n"},
      {"other letter", {"--init-reply", "(init x ok)"}, "We are on side l\n"},
      {"short reply", {"--init-reply", "(ini"}, "We are on side l\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    startSim({}, c.simArgs);
    startCoach({"-v", "-p", std::to_string(port), "-t", "Us"});
    ASSERT_TRUE(outContains("Sending: (eye on)")) << coachOut() << coachErr();
    EXPECT_NE(coachOut().find(c.sideLine), std::string::npos) << coachOut();
    EXPECT_EQ(simReceived("(init Us (version 7.00))"), 1);
    coach->kill();
    sim->kill();
  }
}

TEST_F(EndToEndTest, ErrorReplyEndsWithStatusOne) {
  startSim({}, {"--init-reply", "(error no_more_team_or_player_or_goalie)"});
  startCoach({"-p", std::to_string(port), "-t", "Us"});
  ASSERT_TRUE(coach->waitFor(10s));
  EXPECT_EQ(coach->exitStatus(), 1);
  EXPECT_EQ(coachErr(),
            "Server did not acknowledge init-message. Sent instead: "
            "(error no_more_team_or_player_or_goalie)\n"
            "Could not parse return of init message\n");
  EXPECT_EQ(coachOut(), "");
}

TEST_F(EndToEndTest, WaitFailsWhenNothingAnswers) {
  test_support::UdpPeer mute;
  ASSERT_TRUE(mute.ok());
  startCoach({"-h", "127.0.0.1", "-p", std::to_string(mute.port()), "-t", "Us"});
  std::string init;
  ASSERT_TRUE(mute.receive(init, 5s));
  EXPECT_EQ(init, "(init Us (version 7.00))");
  ASSERT_TRUE(coach->waitFor(15s));
  EXPECT_EQ(coach->exitStatus(), 1);
  EXPECT_EQ(coachErr(), "Wait failed.\n");
}

TEST_F(EndToEndTest, EverythingWaitingAtTheHandshakeIsKept) {
  // A peer plays the server: it answers from a socket of its own and sends
  // the parameters and a referee message right behind the reply, so they all
  // wait in the coach's socket while it sleeps in the handshake.
  test_support::UdpPeer wellKnown, own;
  ASSERT_TRUE(wellKnown.ok() && own.ok());
  startCoach({"-v", "-h", "127.0.0.1", "-p", std::to_string(wellKnown.port()), "-t", "Us"});
  std::string init;
  ASSERT_TRUE(wellKnown.receive(init, 5s));
  EXPECT_EQ(init, "(init Us (version 7.00))");
  int coachPort = wellKnown.lastSenderPort();
  std::string serverParam = "(server_param";
  for (int p = 1; p <= 97; ++p) serverParam += p == 63 ? " 40" : " 1";
  for (const std::string& text :
       {std::string("(init r ok)"), serverParam + ")", std::string("(player_param 1 2 3)"),
        std::string("(player_type 3 1.5)"), std::string("(hear 0 referee play_on)")}) {
    ASSERT_TRUE(own.sendTo(coachPort, text));
  }
  std::string eye;
  ASSERT_TRUE(own.receive(eye, 5s)) << "the eye command goes to the answering socket";
  EXPECT_EQ(eye, "(eye on)");
  ASSERT_TRUE(outContains("New playmode: play_on")) << coachOut() << coachErr();
  EXPECT_EQ(coachOut(),
            "Sending: (init Us (version 7.00))\n"
            "Sent init to server.\n"
            "Server acknowledged init-message.\n"
            "We are on side r\n"
            "Sending: (eye on)\n"
            "Serverparam created.\n"
            "Playerparam created.\n"
            "3. Playertype created.\n"
            "New playmode: play_on\n");
  EXPECT_EQ(coachErr(), "");
}

TEST_F(EndToEndTest, TrainerSendsEyeAndEarNoInit) {
  startSim({});
  startCoach({"-T", "-v", "-p", std::to_string(trainerPort)});
  ASSERT_TRUE(test_support::waitUntil(
      [&] {
        return coachOut().find("Last command was ok.\nLast command was ok.\n") != std::string::npos;
      },
      10s))
      << coachOut() << coachErr();
  EXPECT_EQ(coachOut(),
            "Sending: (eye on)\nSending: (ear on)\nLast command was ok.\nLast command was ok.\n");
  auto log = simLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].second, "(eye on)");
  EXPECT_EQ(log[1].second, "(ear on)");
  EXPECT_EQ(log[0].first, "trainer-port");
}

TEST_F(EndToEndTest, UnknownReportedOversizedSkipped) {
  std::string oversized = "(hear 1 referee " + std::string(6000, 'x') + ")";
  startSim({"(foo bar)", oversized, "(hear 2 referee play_on)", "(see_global 1 ((b) 0 0 0 0))"});
  startCoach({"-v", "-p", std::to_string(port)});
  ASSERT_TRUE(outContains("New playmode: play_on")) << coachOut() << coachErr();
  EXPECT_EQ(coachErr(),
            "Hm, received something I didn't understand:\n  (foo bar)\n"
            "Warning, discarded an oversized datagram of " +
                std::to_string(oversized.size()) + " bytes.\n");
}

TEST_F(EndToEndTest, EleventhAlarmWarns) {
  startSim({});
  startCoach({"-v", "-p", std::to_string(port)});
  ASSERT_TRUE(outContains("Last command was ok.")) << coachOut() << coachErr();
  const std::string warning = "Too many alarms between ios from server. Should I Shut down?\n";
  for (int i = 0; i < 10; ++i) {
    ASSERT_TRUE(coach->signal(SIGALRM));
    std::this_thread::sleep_for(20ms);
  }
  std::this_thread::sleep_for(100ms);
  EXPECT_EQ(coachErr(), "") << "ten alarms are tolerated";
  ASSERT_TRUE(coach->signal(SIGALRM));
  ASSERT_TRUE(errContains(warning));
  std::this_thread::sleep_for(20ms);
  ASSERT_TRUE(coach->signal(SIGALRM));
  ASSERT_TRUE(test_support::waitUntil([&] { return coachErr() == warning + warning; }, 5s))
      << coachErr();
  EXPECT_TRUE(coach->running());
}

}  // namespace
