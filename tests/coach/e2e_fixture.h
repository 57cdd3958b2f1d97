// End-to-end runs of touchliner against touchliner-sim (or a mute loopback
// peer): start both on free ports with their output in a temporary
// directory, wait with bounds, read the sim's log of received datagrams.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/process.h"

class EndToEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
#if !defined(TOUCHLINER_BIN) || !defined(TOUCHLINER_SIM_BIN)
    GTEST_SKIP() << "touchliner or touchliner-sim not built";
#endif
    ASSERT_FALSE(dir.path().empty());
    test_support::freeUdpPortPair(port, trainerPort);
    ASSERT_GT(port, 0);
    ASSERT_GT(trainerPort, 0);
  }

  // Starts the sim playing scriptLines (one message each) with extra options;
  // returns once both its ports are bound.
  void startSim(const std::vector<std::string>& scriptLines,
                const std::vector<std::string>& extra = {}, int lingerMs = 10000) {
#ifdef TOUCHLINER_SIM_BIN
    std::string script;
    for (const auto& line : scriptLines) script += line + "\n";
    ASSERT_TRUE(test_support::writeFile(dir.file("script"), script));
    std::vector<std::string> args = {
        "--port",      std::to_string(port),     "--trainer-port", std::to_string(trainerPort),
        "--script",    dir.file("script"),       "--cycle-ms",     "2",
        "--linger-ms", std::to_string(lingerMs), "--log",          dir.file("sim.log")};
    args.insert(args.end(), extra.begin(), extra.end());
    sim = test_support::ChildProcess::start(TOUCHLINER_SIM_BIN, args, dir.file("sim.out"),
                                            dir.file("sim.err"));
    ASSERT_NE(sim, nullptr);
    bool bound = test_support::waitUntil(
        [&] { return test_support::udpPortTaken(port) && test_support::udpPortTaken(trainerPort); },
        std::chrono::seconds(5));
    ASSERT_TRUE(bound) << test_support::readFile(dir.file("sim.err"));
#else
    (void)scriptLines;
    (void)extra;
    (void)lingerMs;
#endif
  }

  // Starts the coach with args; its output goes to coach.out and coach.err.
  void startCoach(const std::vector<std::string>& args) {
#ifdef TOUCHLINER_BIN
    coach = test_support::ChildProcess::start(TOUCHLINER_BIN, args, dir.file("coach.out"),
                                              dir.file("coach.err"));
    ASSERT_NE(coach, nullptr);
#else
    (void)args;
#endif
  }

  std::string coachOut() const {
    return test_support::readFile(dir.file("coach.out"));
  }
  std::string coachErr() const {
    return test_support::readFile(dir.file("coach.err"));
  }

  // Waits until the coach's standard output (or error) contains text.
  bool outContains(const std::string& text, int seconds = 10) {
    return test_support::waitUntil([&] { return coachOut().find(text) != std::string::npos; },
                                   std::chrono::seconds(seconds));
  }
  bool errContains(const std::string& text, int seconds = 10) {
    return test_support::waitUntil([&] { return coachErr().find(text) != std::string::npos; },
                                   std::chrono::seconds(seconds));
  }

  // The sim's log as (where, text) pairs, the cycle left out.
  std::vector<std::pair<std::string, std::string>> simLog() const {
    std::vector<std::pair<std::string, std::string>> entries;
    for (const auto& line : test_support::readLines(dir.file("sim.log"))) {
      size_t first = line.find(' ');
      size_t second = first == std::string::npos ? first : line.find(' ', first + 1);
      if (second == std::string::npos) continue;
      entries.emplace_back(line.substr(first + 1, second - first - 1), line.substr(second + 1));
    }
    return entries;
  }
  // How often the sim received text (from anywhere).
  int simReceived(const std::string& text) const {
    int count = 0;
    for (const auto& [where, received] : simLog()) count += received == text;
    return count;
  }

  test_support::TempDir dir;
  int port = 0;
  int trainerPort = 0;
  std::unique_ptr<test_support::ChildProcess> sim;
  std::unique_ptr<test_support::ChildProcess> coach;
};
