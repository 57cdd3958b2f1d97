// touchliner-sim over its sockets: the handshake with its parameter messages, answers from a
// socket per client, commands of coach and trainer, the script's playing, the handshake
// shaping for tests, the say check with its quota, the log and the ways the sim ends.
#include <csignal>
#include <string>
#include <vector>

#include "tests/sim/sim_fixture.h"

namespace {

using test_support::UdpPeer;

// Sends an init and collects the reply and the parameter messages behind it.
std::vector<std::string> handshake(UdpPeer& peer, int port, const std::string& name,
                                   size_t count = 10) {
  peer.sendTo(port, "(init " + name + " (version 7.00))");
  std::vector<std::string> received;
  std::string text;
  while (received.size() < count && peer.receive(text, std::chrono::seconds(2))) {
    received.push_back(text);
  }
  return received;
}

TEST_F(SimTest, InitIsAnsweredFromAPortOfItsOwnWithTheParameters) {
  startSim({"--advice-interval", "40", "--linger-ms", "100"});
  UdpPeer first, second, third;
  std::vector<std::string> got = handshake(first, port, "Foxes");
  ASSERT_EQ(got.size(), 10u);
  EXPECT_EQ(got[0], "(init l ok)");
  int clientPort = first.lastSenderPort();
  EXPECT_NE(clientPort, port);
  EXPECT_EQ(got[1].rfind("(server_param ", 0), 0u);
  EXPECT_NE(got[1].find(" 300 40 1 1 "), std::string::npos) << "value 63 after value 62";
  EXPECT_EQ(got[2].rfind("(player_param ", 0), 0u);
  for (int id = 0; id < 7; ++id) {
    EXPECT_EQ(got[3 + id].rfind("(player_type " + std::to_string(id) + " ", 0), 0u) << got[3 + id];
  }
  EXPECT_EQ(handshake(second, port, "Hounds", 1), std::vector<std::string>{"(init r ok)"});
  EXPECT_NE(second.lastSenderPort(), clientPort);
  EXPECT_EQ(handshake(third, port, "Crows", 1),
            std::vector<std::string>{"(error no_more_team_or_player_or_goalie)"});
  EXPECT_EQ(third.lastSenderPort(), port);
}

TEST_F(SimTest, EmptyTeamNameAndReservedSides) {
  startSim({"--left", "Others", "--no-params"});
  UdpPeer coach, other;
  EXPECT_EQ(handshake(coach, port, "", 1), std::vector<std::string>{"(init r ok)"});
  EXPECT_EQ(handshake(other, port, "Others", 1), std::vector<std::string>{"(init l ok)"});
  std::vector<LogEntry> log = simLog();
  ASSERT_GE(log.size(), 1u);
  EXPECT_EQ(log[0].where, "coach-port");
  EXPECT_EQ(log[0].text, "(init  (version 7.00))");
}

TEST_F(SimTest, CommandsOfCoachAndTrainerAreAnswered) {
  startSim({"--no-params"});
  UdpPeer coach, trainer;
  ASSERT_EQ(handshake(coach, port, "Foxes", 1), std::vector<std::string>{"(init l ok)"});
  int coachSocket = coach.lastSenderPort();
  const struct {
    const char* command;
    const char* answer;
  } coachCases[] = {
      {"(eye on)", "(ok eye on)"},
      {"(eye off)", "(ok eye off)"},
      {"(ear on)", "(ok ear on)"},
      {"(ear off)", "(ok ear off)"},
      {"(start)", "(error unknown_command)"},
      {"(move 1 2)", "(error unknown_command)"},
      {"(init Foxes (version 7.00))", "(error unknown_command)"},
  };
  for (const auto& c : coachCases) {
    coach.sendTo(coachSocket, c.command);
    EXPECT_EQ(next(coach), c.answer) << c.command;
    EXPECT_EQ(coach.lastSenderPort(), coachSocket) << c.command;
  }
  // A command sent to the well-known port again is still answered from the coach's own.
  coach.sendTo(port, "(eye on)");
  EXPECT_EQ(next(coach), "(ok eye on)");
  EXPECT_EQ(coach.lastSenderPort(), coachSocket);

  const struct {
    const char* command;
    const char* answer;
  } trainerCases[] = {
      {"(ear on)", "(ok ear on)"},
      {"(eye on)", "(ok eye on)"},
      {"(start)", "(ok start)"},
      {"(say (freeform \"hello\"))", "(ok say)"},
      {"(bogus)", "(error unknown_command)"},
  };
  int trainerSocket = 0;
  for (const auto& c : trainerCases) {
    trainer.sendTo(trainerSocket == 0 ? trainerPort : trainerSocket, c.command);
    EXPECT_EQ(next(trainer), c.answer) << c.command;
    if (trainerSocket == 0) trainerSocket = trainer.lastSenderPort();
    EXPECT_NE(trainer.lastSenderPort(), trainerPort) << c.command;
  }
  UdpPeer stranger;
  stranger.sendTo(port, "(eye on)");
  EXPECT_EQ(next(stranger), "(error unknown_command)");
  EXPECT_EQ(stranger.lastSenderPort(), port);

  std::vector<LogEntry> log = simLog();
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log[1].where, "l");
  EXPECT_EQ(log[1].text, "(eye on)");
  bool trainerLogged = false;
  for (const auto& entry : log) {
    trainerLogged = trainerLogged || (entry.where == "trainer" && entry.text == "(start)");
  }
  EXPECT_TRUE(trainerLogged);
}

TEST_F(SimTest, ScriptIsPlayedInOrderAfterEyeOnThenTheSimEnds) {
  const std::string oversized = "(see_global 2 " + std::string(6000, 'x') + ")";
  startSim({"--script",
            script({"# a comment", "(see_global 0)", "", "(hear 1 referee play_on)",
                    "(see_global 1)", oversized, "(hear 3 referee time_over)"}),
            "--cycle-ms", "2", "--linger-ms", "200", "--no-params"});
  UdpPeer coach;
  ASSERT_EQ(handshake(coach, port, "Foxes", 1), std::vector<std::string>{"(init l ok)"});
  std::string text;
  EXPECT_FALSE(coach.receive(text, std::chrono::milliseconds(100))) << "nothing before eye on";
  coach.sendTo(coach.lastSenderPort(), "(eye on)");
  const std::vector<std::string> expected = {
      "(ok eye on)",    "(see_global 0)", "(hear 1 referee play_on)",
      "(see_global 1)", oversized,        "(hear 3 referee time_over)"};
  for (const auto& want : expected) EXPECT_EQ(next(coach), want);
  ASSERT_TRUE(sim->waitFor(std::chrono::seconds(5)));
  EXPECT_EQ(sim->exitStatus(), 0);
}

TEST_F(SimTest, ScriptWaitsForTheGivenNumberOfClients) {
  startSim({"--script", script({"(see_global 0)"}), "--clients", "2", "--no-params", "--linger-ms",
            "100"});
  UdpPeer coach, trainer;
  ASSERT_EQ(handshake(coach, port, "Foxes", 1), std::vector<std::string>{"(init l ok)"});
  coach.sendTo(coach.lastSenderPort(), "(eye on)");
  EXPECT_EQ(next(coach), "(ok eye on)");
  std::string text;
  EXPECT_FALSE(coach.receive(text, std::chrono::milliseconds(200)));
  trainer.sendTo(trainerPort, "(eye on)");
  EXPECT_EQ(next(trainer), "(ok eye on)");
  EXPECT_EQ(next(coach), "(see_global 0)");
  EXPECT_EQ(next(trainer), "(see_global 0)");
}

TEST_F(SimTest, HandshakeCanBeShapedForTests) {
  const struct {
    const char* name;
    std::vector<std::string> options;
    std::vector<std::string> expected;
  } cases[] = {
      {"custom reply",
       {"--init-reply", "(error no_more_team)", "--no-params"},
       {"(error no_more_team)"}},
      {"no reply", {"--no-init-reply", "--no-params", "--after-init", "(x)"}, {"(x)"}},
      {"before and after",
       {"--before-init", "(a)", "--before-init", "(b)", "--after-init", "(c)", "--no-params"},
       {"(a)", "(b)", "(init l ok)", "(c)"}},
      {"script at init",
       {"--no-params", "--script-at-init", "--cycle-ms", "1"},
       {"(init l ok)", "(see_global 0)", "(see_global 1)"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> options = c.options;
    options.insert(options.end(), {"--script", script({"(see_global 0)", "(see_global 1)"}),
                                   "--linger-ms", "2000"});
    startSim(options);
    UdpPeer coach;
    EXPECT_EQ(handshake(coach, port, "Foxes", c.expected.size()), c.expected);
    std::string text;
    EXPECT_FALSE(coach.receive(text, std::chrono::milliseconds(100))) << text;
    sim->kill();
    ASSERT_TRUE(test_support::waitUntil([&] { return !test_support::udpPortTaken(port); },
                                        std::chrono::seconds(2)));
  }
}

TEST_F(SimTest, SaysAreCheckedLoggedAndLimitedPerWindow) {
  std::vector<std::string> lines = {"(hear 0 referee play_on)"};
  for (int cycle = 0; cycle < 400; ++cycle)
    lines.push_back("(see_global " + std::to_string(cycle) + ")");
  startSim({"--script", script(lines), "--cycle-ms", "3", "--no-params", "--advice-log",
            dir.file("advice.log"), "--linger-ms", "100"});
  UdpPeer coach;
  ASSERT_EQ(handshake(coach, port, "Foxes", 1), std::vector<std::string>{"(init l ok)"});
  int socket = coach.lastSenderPort();
  coach.sendTo(socket, "(eye on)");
  std::string text;
  // Wait for play_on and a few views.
  while (coach.receive(text, std::chrono::seconds(2)) && text != "(see_global 3)") {
  }
  ASSERT_EQ(text, "(see_global 3)");
  const std::string info = "(info (300 (bowner opp {0}) (do opp {3} (mark {2}))))";
  const struct {
    std::string say;
    std::string answer;
  } cases[] = {
      {"(say " + info + ")", "(ok say)"},
      {"(say (info (300 (bowner opp {0}))))", "(error illegal_command_form)"},
      {"(say " + info + ")", "(error said_too_many_info_messages)"},
      {"(say (advice (300 (bowner our {0}) (do our {2} (mark {1})))))", "(ok say)"},
  };
  for (const auto& c : cases) {
    coach.sendTo(socket, c.say);
    std::string answer;
    while (coach.receive(answer, std::chrono::seconds(2)) && answer.rfind("(see", 0) == 0) {
    }
    EXPECT_EQ(answer, c.answer) << c.say;
  }
  ASSERT_TRUE(sim->waitFor(std::chrono::seconds(10)));
  std::vector<std::string> log = test_support::readLines(dir.file("advice.log"));
  ASSERT_EQ(log.size(), 4u);
  const char* verdicts[] = {" l ok info 1 ", " l illegal info 0 ", " l quota info 1 ",
                            " l ok advice 1 "};
  for (int i = 0; i < 4; ++i) {
    EXPECT_NE(log[i].find(verdicts[i]), std::string::npos) << log[i];
    EXPECT_EQ(log[i].substr(log[i].rfind(verdicts[i]) + std::string(verdicts[i]).size()),
              cases[i].say.substr(5, cases[i].say.size() - 6));
  }
}

TEST_F(SimTest, TermEndsTheSimWithItsLogComplete) {
  startSim({"--script", script({"(see_global 0)"}), "--no-params"});
  UdpPeer coach;
  ASSERT_EQ(handshake(coach, port, "Foxes", 1), std::vector<std::string>{"(init l ok)"});
  coach.sendTo(coach.lastSenderPort(), "(ear on)");
  EXPECT_EQ(next(coach), "(ok ear on)");
  ASSERT_TRUE(sim->signal(SIGTERM));
  ASSERT_TRUE(sim->waitFor(std::chrono::seconds(5)));
  EXPECT_EQ(sim->exitStatus(), 0);
  std::vector<LogEntry> log = simLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[1].cycle, 0);
  EXPECT_EQ(log[1].where, "l");
  EXPECT_EQ(log[1].text, "(ear on)");
}

TEST_F(SimTest, BadCommandLineAndHelp) {
#ifdef TOUCHLINER_SIM_BIN
  auto help = test_support::ChildProcess::start(TOUCHLINER_SIM_BIN, {"--help"}, dir.file("h.out"),
                                                dir.file("h.err"));
  ASSERT_NE(help, nullptr);
  ASSERT_TRUE(help->waitFor(std::chrono::seconds(5)));
  EXPECT_EQ(help->exitStatus(), 0);
  EXPECT_EQ(test_support::readFile(dir.file("h.out")).rfind("Usage: touchliner-sim", 0), 0u);
  auto bad = test_support::ChildProcess::start(TOUCHLINER_SIM_BIN, {"--port"}, dir.file("b.out"),
                                               dir.file("b.err"));
  ASSERT_NE(bad, nullptr);
  ASSERT_TRUE(bad->waitFor(std::chrono::seconds(5)));
  EXPECT_EQ(bad->exitStatus(), 2);
  EXPECT_NE(test_support::readFile(dir.file("b.err")).find("--port"), std::string::npos);
  auto missing = test_support::ChildProcess::start(
      TOUCHLINER_SIM_BIN, {"--script", dir.file("none"), "--port", std::to_string(port)},
      dir.file("m.out"), dir.file("m.err"));
  ASSERT_NE(missing, nullptr);
  ASSERT_TRUE(missing->waitFor(std::chrono::seconds(5)));
  EXPECT_EQ(missing->exitStatus(), 1);
#endif
}

}  // namespace
