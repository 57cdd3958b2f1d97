// The coach against a generated match, end to end: its messages are valid coach language,
// come on the advice interval and within quota, and what it learns agrees with the generator's
// truth, with the coach on either side; the trainer restarts after half time and reports the
// generator's goals; a recorded match replayed draws the same messages from the coach.
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "sim/advice_score.h"
#include "sim/clang_check.h"
#include "sim/match_truth.h"
#include "tests/sim/sim_fixture.h"

namespace {

constexpr int ADVICE_INTERVAL = 300;

// One line of the advice log: "CYCLE SIDE VERDICT KIND RULES MESSAGE".
struct Advice {
  int cycle = 0;
  std::string side, verdict, kind, message;
};

class MatchScenarioTest : public SimTest {
 protected:
  void SetUp() override {
    SimTest::SetUp();
#ifndef TOUCHLINER_BIN
    GTEST_SKIP() << "touchliner not built";
#endif
  }

  // Plays the sim with options and the program (coach or trainer) with args until the sim
  // ends by itself; the program is ended then unless it has ended on its own.
  void run(const std::vector<std::string>& simOptions, const std::vector<std::string>& args) {
#ifdef TOUCHLINER_BIN
    startSim(simOptions);
    program = test_support::ChildProcess::start(TOUCHLINER_BIN, args, dir.file("coach.out"),
                                                dir.file("coach.err"));
    ASSERT_NE(program, nullptr);
    ASSERT_TRUE(sim->waitFor(std::chrono::seconds(90))) << "the match did not end";
    EXPECT_EQ(sim->exitStatus(), 0) << test_support::readFile(dir.file("sim.err"));
#else
    (void)simOptions;
    (void)args;
#endif
  }

  std::vector<Advice> advice(const std::string& file) const {
    std::vector<Advice> entries;
    for (const auto& line : test_support::readLines(file)) {
      Advice a;
      std::istringstream in(line);
      std::string rules;
      in >> a.cycle >> a.side >> a.verdict >> a.kind >> rules;
      std::getline(in, a.message);
      if (!a.message.empty() && a.message[0] == ' ') a.message.erase(0, 1);
      entries.push_back(a);
    }
    return entries;
  }

  std::vector<std::string> matchOptions(unsigned seed, int cycles, int halfTime, int cycleMs) {
    return {"--match",
            "--seed",
            std::to_string(seed),
            "--cycles",
            std::to_string(cycles),
            "--half-time",
            std::to_string(halfTime),
            "--cycle-ms",
            std::to_string(cycleMs),
            "--truth",
            dir.file("truth"),
            "--advice-log",
            dir.file("advice"),
            "--record",
            dir.file("record"),
            "--linger-ms",
            "300",
            "--advice-interval",
            std::to_string(ADVICE_INTERVAL)};
  }

  std::unique_ptr<test_support::ChildProcess> program;
};

TEST_F(MatchScenarioTest, CoachLearnsTheOpponentOnEitherSide) {
  const struct {
    char side;
    std::vector<std::string> extra;
  } cases[] = {{'l', {}}, {'r', {"--left", "Others"}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("coach on side ") + c.side);
    std::vector<std::string> options = matchOptions(7, 3000, 1500, 1);
    options.insert(options.end(), c.extra.begin(), c.extra.end());
    run(options, {"-p", std::to_string(port), "-t", "Foxes"});
    MatchTruth truth;
    ASSERT_TRUE(readMatchTruth(dir.file("truth"), truth));
    EXPECT_EQ(truth.names[c.side == 'l' ? 0 : 1], "Foxes");

    std::vector<Advice> sent = advice(dir.file("advice"));
    ASSERT_GE(sent.size(), 10u) << test_support::readFile(dir.file("coach.err"));
    std::vector<int> infoCycles, adviceCycles;
    const ClangRule* lastCops = nullptr;
    std::vector<ClangVerdict> verdicts;
    int setPlayRules = 0;
    for (const Advice& a : sent) {
      EXPECT_EQ(a.side, std::string(1, c.side));
      EXPECT_EQ(a.verdict, "ok") << a.cycle << ' ' << a.message;
      verdicts.push_back(checkSayMessage(a.message));
      const ClangVerdict& verdict = verdicts.back();
      ASSERT_TRUE(verdict.valid) << verdict.error << ": " << a.message;
      (a.kind == "info" ? infoCycles : adviceCycles).push_back(a.cycle);
      if (a.kind != "info") continue;
      for (const auto& rule : verdict.message->rules) {
        if (isOpponentPositionsRule(*rule)) lastCops = rule.get();
        if (!isSetPlayRule(*rule)) continue;
        ++setPlayRules;
        RuleScore score = scoreSetPlay(*rule, truth, c.side);
        EXPECT_EQ(score.matched, score.named) << a.cycle << ' ' << a.message;
      }
    }
    // Info and advice messages come on the interval (the sim notes them a cycle or two late).
    for (const std::vector<int>* cycles : {&infoCycles, &adviceCycles}) {
      ASSERT_GE(cycles->size(), 4u);
      EXPECT_LE(cycles->front(), 15 + ADVICE_INTERVAL + 10);
      for (size_t i = 1; i < cycles->size(); ++i) {
        int gap = (*cycles)[i] - (*cycles)[i - 1];
        EXPECT_GE(gap, ADVICE_INTERVAL - 5) << (*cycles)[i];
        EXPECT_LE(gap, 2 * ADVICE_INTERVAL + 10) << (*cycles)[i];
      }
    }
    ASSERT_NE(lastCops, nullptr);
    RuleScore cops = scoreOpponentPositions(*lastCops, truth, c.side);
    EXPECT_EQ(cops.named, 11);
    EXPECT_GE(cops.matched, 8);
    EXPECT_GT(setPlayRules, 0);
    program->kill();
    sim.reset();
  }
}

TEST_F(MatchScenarioTest, TrainerRestartsAfterHalfTimeAndReportsTheGoals) {
  run(matchOptions(3, 2000, 1000, 1), {"-T", "-p", std::to_string(trainerPort)});
  ASSERT_TRUE(program->waitFor(std::chrono::seconds(10)));
  EXPECT_EQ(program->exitStatus(), 0);
  int starts = 0;
  for (const auto& entry : simLog()) starts += entry.where == "trainer" && entry.text == "(start)";
  EXPECT_EQ(starts, 1);
  MatchTruth truth;
  ASSERT_TRUE(readMatchTruth(dir.file("truth"), truth));
  std::vector<std::string> err = test_support::readLines(dir.file("coach.err"));
  std::string left, right;
  for (const auto& line : err) {
    if (line.rfind("l,", 0) == 0) left = line;
    if (line.rfind("r,", 0) == 0) right = line;
  }
  EXPECT_EQ(left.rfind("l," + std::to_string(truth.goals[0]) + ",", 0), 0u) << left;
  EXPECT_EQ(right.rfind("r," + std::to_string(truth.goals[1]) + ",", 0), 0u) << right;
  EXPECT_GT(truth.goals[0] + truth.goals[1], 0) << "a match with goals to count";
}

TEST_F(MatchScenarioTest, RecordedMatchReplayedDrawsTheSameMessages) {
  run(matchOptions(2, 2000, 1000, 2), {"-p", std::to_string(port), "-t", "Foxes"});
  std::vector<Advice> live = advice(dir.file("advice"));
  program->kill();
  sim.reset();
  ASSERT_GE(live.size(), 6u);
  run({"--script", dir.file("record"), "--cycle-ms", "2", "--linger-ms", "300", "--advice-log",
       dir.file("replayed")},
      {"-p", std::to_string(port), "-t", "Foxes"});
  std::vector<Advice> replayed = advice(dir.file("replayed"));
  ASSERT_EQ(replayed.size(), live.size());
  for (size_t i = 0; i < live.size(); ++i) {
    EXPECT_EQ(replayed[i].message, live[i].message) << i;
    EXPECT_EQ(replayed[i].verdict, live[i].verdict) << i;
  }
}

}  // namespace
