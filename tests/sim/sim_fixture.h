// End-to-end runs of touchliner-sim for the tests in this folder: the sim on free loopback
// ports with its files in a temporary directory, test peers that play coach or trainer, and
// readers of the sim's logs.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/process.h"
#include "tests/support/udp_peer.h"

class SimTest : public ::testing::Test {
 protected:
  void SetUp() override {
#ifndef TOUCHLINER_SIM_BIN
    GTEST_SKIP() << "touchliner-sim not built";
#endif
    ASSERT_FALSE(dir.path().empty());
    test_support::freeUdpPortPair(port, trainerPort);
    ASSERT_GT(port, 0);
    ASSERT_GT(trainerPort, 0);
  }

  // Starts the sim with its ports, its log in sim.log and extra options; returns once both
  // ports are bound.
  void startSim(const std::vector<std::string>& extra) {
#ifdef TOUCHLINER_SIM_BIN
    std::vector<std::string> args = {"--port",         std::to_string(port),
                                     "--trainer-port", std::to_string(trainerPort),
                                     "--log",          dir.file("sim.log")};
    args.insert(args.end(), extra.begin(), extra.end());
    sim = test_support::ChildProcess::start(TOUCHLINER_SIM_BIN, args, dir.file("sim.out"),
                                            dir.file("sim.err"));
    ASSERT_NE(sim, nullptr);
    ASSERT_TRUE(test_support::waitUntil(
        [&] { return test_support::udpPortTaken(port) && test_support::udpPortTaken(trainerPort); },
        std::chrono::seconds(5)))
        << test_support::readFile(dir.file("sim.err"));
#else
    (void)extra;
#endif
  }

  // Writes a script file of lines and returns its path.
  std::string script(const std::vector<std::string>& lines, const std::string& name = "script") {
    std::string text;
    for (const auto& line : lines) text += line + "\n";
    EXPECT_TRUE(test_support::writeFile(dir.file(name), text));
    return dir.file(name);
  }

  // Receives one datagram within two seconds; empty text when none came.
  static std::string next(test_support::UdpPeer& peer) {
    std::string text;
    if (!peer.receive(text, std::chrono::seconds(2))) return "";
    return text;
  }

  // The sim's log lines split into (cycle, where, text).
  struct LogEntry {
    int cycle;
    std::string where;
    std::string text;
  };
  std::vector<LogEntry> simLog() const {
    std::vector<LogEntry> entries;
    for (const auto& line : test_support::readLines(dir.file("sim.log"))) {
      size_t first = line.find(' ');
      size_t second = first == std::string::npos ? first : line.find(' ', first + 1);
      if (second == std::string::npos) continue;
      entries.push_back({std::atoi(line.c_str()), line.substr(first + 1, second - first - 1),
                         line.substr(second + 1)});
    }
    return entries;
  }

  test_support::TempDir dir;
  int port = 0;
  int trainerPort = 0;
  std::unique_ptr<test_support::ChildProcess> sim;
};
