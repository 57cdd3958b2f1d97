// Tests of the learner driver against a small fake learner script: what is sent
// and in which order, the header cut, the copy file, and the reading of the
// result file, and the learner run of touchliner-analyse. The driver's files
// are fixed paths in /tmp, so every test that runs the learner lives in this
// one program and runs sequentially.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <cstdio>
#include <sstream>
#include <string>

#include "tests/support/process.h"
#include "tests/tools/recorded_match.h"
#include "tests/tools/state_chain.h"
#include "tools/example_generator.h"
#include "tools/foil_driver.h"

namespace {

using test_support::readFile;
using test_support::writeFile;
using tools_test::StateChain;

// Appends "ARGS <arguments>" and its whole input to the file named by its first
// argument, then prints the file named by its second argument as its result.
const char* kFakeLearner =
    "#!/bin/sh\n"
    "{ echo \"ARGS $*\"; cat; } >> \"$1\"\n"
    "cat \"$2\"\n";

const char* kResult =
    "FOIL 6.4\n"
    "pass:\n"
    "pass(A) :- near(A).\n"
    "\n"
    "pass(A) :- far(A).\n"
    "Time 0.1 secs\n"
    "not a rule\n"
    "Summary: 3 errors in 12 trials\n";

const char* kPrinted =
    "\n\n\nResult:\n=======\n\n"
    "pass:\npass(A) :- near(A).\npass(A) :- far(A).\n"
    "\nErrorrate: 25%\n\n\n";

bool exists(const char* path) {
  struct stat info;
  return stat(path, &info) == 0;
}

class FoilDriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(getcwd(savedDirectory, sizeof savedDirectory), nullptr);
    ASSERT_EQ(chdir(dir.path().c_str()), 0);  // header files are read from here
    learner = dir.file("learner.sh");
    ASSERT_TRUE(writeFile(learner, kFakeLearner));
    ASSERT_EQ(chmod(learner.c_str(), 0755), 0);
    ASSERT_TRUE(writeFile(dir.file("result.txt"), kResult));
    std::remove(FoilDriver::COPY_FILE);
    std::remove("/tmp/foil.tmp");
  }
  void TearDown() override {
    ASSERT_EQ(chdir(savedDirectory), 0);
    std::remove(FoilDriver::COPY_FILE);
    std::remove("/tmp/foil.tmp");
  }

  std::string arguments() const { return dir.file("input.log") + " " + dir.file("result.txt"); }
  std::string argsLine() const { return "ARGS " + arguments() + " -v0\n"; }

  // A history of 1300 states: training window states 0..1199, test window 1200..1299.
  void fillPassHistory(StateChain& chain) {
    chain.at(5).owner = 3;
    chain.at(5).cyclesToPass = 0;
    chain.at(5).passSide = 1;
    chain.at(7).owner = 4;
    chain.at(1199).owner = 2;
    chain.at(1199).cyclesToPass = 0;
    chain.at(1199).passSide = 1;
    chain.at(1200).owner = 2;
    chain.at(1250).owner = 1;
    chain.at(1250).cyclesToPass = 0;
    chain.at(1250).passSide = 1;
    chain.at(1260).owner = 15;  // the right side's ball: no example for the left
  }

  // What the driver must send for the pass label of fillPassHistory, after the header.
  std::string passBody(StateChain& chain, const std::string& label) {
    auto line = [&](int i) { return exampleLine(chain.at(i), 45.0) + "\n"; };
    return line(5) + line(1199) + ";\n" + line(7) + ".\n\n" + label + "\n" +
           exampleLine(chain.at(1200), 45.0) + ": -\n" + exampleLine(chain.at(1250), 45.0) +
           ": +\n.\n";
  }

  test_support::TempDir dir;
  std::string learner;
  char savedDirectory[PATH_MAX];
};

TEST_F(FoilDriverTest, CommandRedirectsTheLearnerIntoTheResultFile) {
  FoilDriver driver("foil6", "-n -a", false);
  EXPECT_EQ(driver.command, "foil6 -n -a -v0 >/tmp/foil.tmp");
  EXPECT_EQ(driver.headerSuffix, "_header.foil");
  EXPECT_EQ(driver.resultFile, "/tmp/foil.tmp");
  EXPECT_EQ(FoilDriver::TEST_CYCLES, 4800);
  EXPECT_EQ(FoilDriver::TRAINING_CYCLES, 1200);
}

TEST_F(FoilDriverTest, RunLabelSendsHeaderExamplesAndTestsInOrder) {
  ASSERT_TRUE(writeFile("pass_header.foil", "#types\nA: a, b.\n\xA7\nnot sent\n"));
  StateChain chain(1300);
  fillPassHistory(chain);
  FoilDriver driver(learner, arguments(), true);
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  EXPECT_TRUE(driver.runLabel(1, chain.newest(), "pass", LABEL_PASS));
  std::string err = testing::internal::GetCapturedStderr();
  std::string out = testing::internal::GetCapturedStdout();

  std::string sent = "#types\nA: a, b.\n" + passBody(chain, "pass");
  EXPECT_EQ(readFile(dir.file("input.log")), argsLine() + sent);
  EXPECT_EQ(readFile(FoilDriver::COPY_FILE), sent) << "the copy holds what was sent";
  EXPECT_EQ(err, sent) << "every sent line is echoed on standard error";
  EXPECT_EQ(out, kPrinted);
  EXPECT_EQ(driver.learnerInput, nullptr);
  EXPECT_EQ(driver.copyFile, nullptr);
}

TEST_F(FoilDriverTest, HeaderWithoutSectionSignIsSentWholeAndMissingHeaderSendsNone) {
  ASSERT_TRUE(writeFile("pass_header.foil", "one\n\xA7 not the end\n\xA7\xA7\nlast"));
  StateChain chain(1300);
  fillPassHistory(chain);
  FoilDriver driver(learner, arguments(), false);
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  driver.runLabel(1, chain.newest(), "pass", LABEL_PASS);
  driver.runLabel(1, chain.newest(), "dribble", LABEL_DRIBBLE);  // no dribble_header.foil
  std::string err = testing::internal::GetCapturedStderr();
  testing::internal::GetCapturedStdout();

  std::string header = "one\n\xA7 not the end\n\xA7\xA7\nlast\n";
  std::string dribbleBody =
      ";\n" + exampleLine(chain.at(5), 45.0) + "\n" + exampleLine(chain.at(7), 45.0) + "\n" +
      exampleLine(chain.at(1199), 45.0) + "\n.\n\ndribble\n" + exampleLine(chain.at(1200), 45.0) +
      ": -\n" + exampleLine(chain.at(1250), 45.0) + ": -\n.\n";
  EXPECT_EQ(readFile(dir.file("input.log")),
            argsLine() + header + passBody(chain, "pass") + argsLine() + dribbleBody);
  EXPECT_FALSE(exists(FoilDriver::COPY_FILE)) << "no copy without keepCopy";
  EXPECT_EQ(err, header + passBody(chain, "pass") + dribbleBody);
}

TEST_F(FoilDriverTest, RunAllLabelsRunsPassDribbleShootAndKeepsTheLastCopy) {
  StateChain chain(1300);
  fillPassHistory(chain);
  chain.at(7).cyclesToShot = 0;
  chain.at(7).kickers = 1;
  FoilDriver driver(learner, arguments(), true);
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  EXPECT_TRUE(driver.runAllLabels(1, chain.newest()));
  testing::internal::GetCapturedStderr();
  std::string out = testing::internal::GetCapturedStdout();

  std::string log = readFile(dir.file("input.log"));
  size_t pass = log.find("\n\npass\n");
  size_t dribble = log.find("\n\ndribble\n");
  size_t shoot = log.find("\n\nshoot\n");
  ASSERT_NE(pass, std::string::npos);
  ASSERT_NE(dribble, std::string::npos);
  ASSERT_NE(shoot, std::string::npos);
  EXPECT_LT(pass, dribble);
  EXPECT_LT(dribble, shoot);
  std::string copy = readFile(FoilDriver::COPY_FILE);
  std::string shootStart = exampleLine(chain.at(7), 45.0) + "\n;\n";
  EXPECT_EQ(copy.substr(0, shootStart.size()), shootStart) << "the copy is the shoot run's";
  EXPECT_EQ(copy, log.substr(log.rfind(argsLine()) + argsLine().size()));
  EXPECT_EQ(out, std::string(kPrinted) + kPrinted + kPrinted);
}

TEST_F(FoilDriverTest, TestExamplesNeedStatesBeyondTheTrainingWindow) {
  StateChain chain(1200);
  chain.at(3).owner = 2;
  FoilDriver driver(learner, arguments(), false);
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  driver.runLabel(1, chain.newest(), "pass", LABEL_PASS);
  testing::internal::GetCapturedStderr();
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(readFile(dir.file("input.log")),
            argsLine() + ";\n" + exampleLine(chain.at(3), 45.0) + "\n.\n\npass\n.\n");
}

TEST_F(FoilDriverTest, LearnerThatStopsReadingDoesNotKillTheDriver) {
  StateChain chain(6000);
  for (int i = 0; i < 6000; ++i) chain.at(i).owner = 4;
  FoilDriver driver("true", "", false);
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  EXPECT_TRUE(driver.runLabel(1, chain.newest(), "pass", LABEL_PASS));
  std::string err = testing::internal::GetCapturedStderr();
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(err.find("Warning, the learner did not read all of its input.\n"), std::string::npos);
  EXPECT_NE(err.find("Warning, the learner reported no summary.\n"), std::string::npos);
  EXPECT_EQ(out, "\n\n\nResult:\n=======\n\n\n");
}

TEST_F(FoilDriverTest, AnalyseToolRunsTheLearnerForAllThreeLabels) {
  ASSERT_TRUE(writeFile(dir.file("match.txt"), tools_test::recordedMatch()));
  ASSERT_TRUE(writeFile(dir.file("pass_header.foil"), "pass header\n\xA7\n"));
  std::string script = "cd '" + dir.path() + "' && exec '" + TOUCHLINER_ANALYSE_BIN +
                       "' match.txt --keep-copy learn left '" + learner + "' " + arguments() +
                       " -n";
  auto child = test_support::ChildProcess::start("/bin/sh", {"-c", script}, dir.file("out"),
                                                 dir.file("err"));
  ASSERT_NE(child, nullptr);
  ASSERT_TRUE(child->waitFor(std::chrono::seconds(60)));
  EXPECT_EQ(child->exitStatus(), 0) << readFile(dir.file("err"));
  EXPECT_EQ(readFile(dir.file("out")), std::string(kPrinted) + kPrinted + kPrinted);

  std::string log = readFile(dir.file("input.log"));
  std::string args = "ARGS " + arguments() + " -n -v0\n";
  ASSERT_EQ(log.rfind(args, 0), 0u) << log.substr(0, 200);
  size_t dribbleRun = log.find(args, args.size());
  ASSERT_NE(dribbleRun, std::string::npos);
  // The pass run: the header, the kick at cycle 2 as the positive example, the
  // three other cycles in which the left side owns the ball as negatives, no tests.
  std::vector<std::string> pass;
  std::istringstream passText(log.substr(args.size(), dribbleRun - args.size()));
  for (std::string line; std::getline(passText, line);) pass.push_back(line);
  ASSERT_EQ(pass.size(), 10u) << log;
  EXPECT_EQ(pass[0], "pass header");
  EXPECT_EQ(pass[1].rfind("5.5,0.5,1,1,0,0.707107,", 0), 0u) << pass[1];
  EXPECT_EQ(pass[2], ";");
  EXPECT_EQ(pass[3].rfind("5.5,9.356,1,", 0), 0u) << pass[3];
  EXPECT_EQ(pass[4].rfind("5.5,9.356,1,", 0), 0u) << pass[4];
  EXPECT_EQ(pass[5].rfind("5.5,0.5,1,", 0), 0u) << pass[5];
  EXPECT_EQ((std::vector<std::string>(pass.begin() + 6, pass.end())),
            (std::vector<std::string>{".", "", "pass", "."}));
  EXPECT_NE(log.find("\n\ndribble\n", dribbleRun), std::string::npos);
  EXPECT_NE(log.find("\n\nshoot\n", dribbleRun), std::string::npos);
  EXPECT_EQ(readFile(FoilDriver::COPY_FILE), log.substr(log.rfind(args) + args.size()));
}

struct ResultCase {
  const char* name;
  const char* text;
  const char* printed;
  bool warned;
};

const ResultCase kResultCases[] = {
    {"example", kResult, kPrinted, false},
    {"no summary", "pass:\nrule(A).\nTime 2 secs\n",
     "\n\n\nResult:\n=======\n\npass:\nrule(A).\n\n", true},
    {"damaged summary", "Summary: many errors\n", "\n\n\nResult:\n=======\n\n\n", true},
    {"zero trials", "Summary: 3 errors in 0 trials\n",
     "\n\n\nResult:\n=======\n\n\nErrorrate: inf%\n\n\n", false},
    {"two blocks, lines before and between skipped",
     "junk\npass:\na.\nTime 1\nb.\npass: again\nc.\nSummary: 1 errors in 3 trials\nd.\n",
     "\n\n\nResult:\n=======\n\npass:\na.\npass: again\nc.\n\nErrorrate: 33.3333%\n\n\n", false},
    {"empty file", "", "\n\n\nResult:\n=======\n\n\n", true},
};

TEST_F(FoilDriverTest, ResultFileReadingCases) {
  for (const ResultCase& c : kResultCases) {
    ASSERT_TRUE(writeFile(dir.file("r.txt"), c.text));
    std::ostringstream out;
    testing::internal::CaptureStderr();
    printLearnerResult(readLearnerResult(dir.file("r.txt")), out);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(out.str(), c.printed) << c.name;
    EXPECT_EQ(err, c.warned ? "Warning, the learner reported no summary.\n" : "") << c.name;
  }
  LearnerResult missing = readLearnerResult(dir.file("absent.txt"));
  EXPECT_TRUE(missing.lines.empty());
  EXPECT_FALSE(missing.summaryRead);
}

}  // namespace
