// End-to-end tests of touchliner-analyse on a small recorded match: the
// command line and its errors, feature rows and records, snapshot, roles, and
// the placement of the teams by name and side. (Its learner runs are tested
// with the learner driver, which owns the learner's fixed files.)
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "tests/support/process.h"
#include "tests/tools/recorded_match.h"

namespace {

using test_support::readFile;
using test_support::readLines;
using test_support::writeFile;

struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};

class AnalyseTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(writeFile(match, tools_test::recordedMatch())); }

  ToolRun run(const std::vector<std::string>& args) {
    ToolRun result;
    auto child = test_support::ChildProcess::start(TOUCHLINER_ANALYSE_BIN, args, dir.file("out"),
                                                   dir.file("err"));
    EXPECT_NE(child, nullptr);
    if (child == nullptr) return result;
    EXPECT_TRUE(child->waitFor(std::chrono::seconds(30)));
    result.status = child->exitStatus();
    result.out = readFile(dir.file("out"));
    result.err = readFile(dir.file("err"));
    return result;
  }

  test_support::TempDir dir;
  std::string match = dir.file("match.txt");
};

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

bool endsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST_F(AnalyseTest, HelpDocumentsTheCommands) {
  ToolRun r = run({"--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("Usage: touchliner-analyse [OPTIONS] MATCH COMMAND [ARGUMENTS]\n", 0), 0u);
  for (const char* word :
       {"csv nearest|region left|right", "records nearest|region", "snapshot CYCLE FILE",
        "roles CYCLE", "learn left|right PROGRAM", "--team NAME", "--side l|r", "--output FILE",
        "--always", "--keep-copy", "Exit status"}) {
    EXPECT_NE(r.out.find(word), std::string::npos) << word;
  }
  EXPECT_EQ(r.err, "");
}

TEST_F(AnalyseTest, WrongCommandLinesEndWithStatusTwo) {
  struct Case {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{}, "missing MATCH file"},
      {{match, "--bogus", "roles", "1"}, "unknown option '--bogus'"},
      {{match}, "missing COMMAND"},
      {{match, "dance"}, "unknown command 'dance'"},
      {{match, "csv", "nearest"}, "csv needs nearest|region and left|right"},
      {{match, "csv", "nearest", "up"}, "csv needs left or right, not 'up'"},
      {{match, "records", "far"}, "records needs nearest or region, not 'far'"},
      {{match, "roles"}, "roles needs CYCLE"},
      {{match, "snapshot", "1"}, "snapshot needs CYCLE and FILE"},
      {{match, "learn", "left"}, "learn needs left|right and PROGRAM"},
      {{match, "--side", "x", "roles", "1"}, "--side needs l or r, not 'x'"},
      {{match, "roles", "1", "--team"}, "option --team needs a value"},
  };
  for (const Case& c : cases) {
    ToolRun r = run(c.args);
    std::string what = c.args.empty() ? "(none)" : c.args.back();
    EXPECT_EQ(r.status, 2) << what;
    EXPECT_EQ(r.err, "touchliner-analyse: " + c.message + "\nTry 'touchliner-analyse --help'.\n")
        << what;
    EXPECT_EQ(r.out, "") << what;
  }
}

TEST_F(AnalyseTest, FailuresEndWithStatusOneAndAClearMessage) {
  std::string absent = dir.file("absent.txt");
  std::string empty = dir.file("empty.txt");
  ASSERT_TRUE(writeFile(empty, "# nothing recorded\n\n"));
  struct Case {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{absent, "roles", "1"}, "Cannot read match file " + absent + ".\n"},
      {{match, "roles", "abc"}, "Bad cycle 'abc': expected a cycle number from 0 to 32767.\n"},
      {{match, "roles", "-1"}, "Bad cycle '-1': expected a cycle number from 0 to 32767.\n"},
      {{match, "snapshot", "40000", dir.file("s")},
       "Bad cycle '40000': expected a cycle number from 0 to 32767.\n"},
      {{match, "roles", "999"}, "No state for cycle 999 in " + match + ".\n"},
      {{match, "snapshot", "1", "/nonexistent-dir/s"},
       "Warning, cannot write snapshot /nonexistent-dir/s.\n"},
      {{match, "-o", "/nonexistent-dir/o", "records", "nearest"},
       "Cannot write /nonexistent-dir/o.\n"},
      {{empty, "learn", "left", "/bin/cat"}, "No states in " + empty + " to learn from.\n"},
  };
  for (const Case& c : cases) {
    ToolRun r = run(c.args);
    EXPECT_EQ(r.status, 1) << c.args[1] << " " << c.args.back();
    EXPECT_EQ(r.err, c.message) << c.args[1] << " " << c.args.back();
  }
}

TEST_F(AnalyseTest, CsvRowsForEachSideWithThePassLabel) {
  ToolRun left = run({match, "csv", "nearest", "left", "--output", dir.file("left.csv")});
  EXPECT_EQ(left.status, 0);
  EXPECT_EQ(left.out, "");
  EXPECT_EQ(left.err, "") << "the init reply is not dispatched";
  std::vector<std::string> rows = readLines(dir.file("left.csv"));
  ASSERT_EQ(rows.size(), 7u) << "cycles 1 to 7 are the left side's";
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_TRUE(endsWith(rows[i], i == 1 ? ",yes" : ",no")) << "cycle " << i + 1;
  }
  EXPECT_EQ(rows[0].rfind("5.5,0.5,left,left,45,0.707107,", 0), 0u) << rows[0];

  ToolRun right = run({match, "csv", "region", "right"});
  EXPECT_EQ(right.status, 0);
  std::vector<std::string> regionRows = linesOf(right.out);
  ASSERT_EQ(regionRows.size(), 3u) << "cycles 8 to 10 are the right side's";
  EXPECT_EQ(regionRows[0], "-5.5,0,right,1,0,1,0,1,0,0,1,0,1,0,1,1,0,1,0,1,0,no");
  EXPECT_EQ(regionRows[2], "0,33,right,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,no");
}

TEST_F(AnalyseTest, RecordsOfEveryStateOrOfOneSide) {
  ToolRun all = run({match, "records", "nearest"});
  EXPECT_EQ(all.status, 0);
  std::vector<std::string> lines = linesOf(all.out);
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_TRUE(endsWith(lines[1], " 0 41 6")) << "pass now, ball lost 6 states later: " << lines[1];

  ToolRun right = run({match, "records", "nearest", "right"});
  EXPECT_EQ(linesOf(right.out).size(), 3u);
  EXPECT_EQ(linesOf(right.out)[0].rfind("-5.5 0 -1 -1 180 0.5 ", 0), 0u);

  ToolRun region = run({match, "records", "region"});
  std::vector<std::string> regionLines = linesOf(region.out);
  ASSERT_EQ(regionLines.size(), 9u) << "cycle 10 has nobody around the ball";
  for (size_t i = 0; i < regionLines.size(); ++i) {
    EXPECT_TRUE(endsWith(regionLines[i], std::string(" ").append(std::to_string(i + 1))))
        << regionLines[i];
  }
  ToolRun always = run({match, "--always", "records", "region"});
  ASSERT_EQ(linesOf(always.out).size(), 10u);
  EXPECT_EQ(linesOf(always.out)[9], "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 33 -1 41 41 41 10");
}

TEST_F(AnalyseTest, SnapshotOfACycle) {
  std::string file = dir.file("snap.txt");
  ToolRun r = run({match, "snapshot", "1", file});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  std::vector<std::string> lines = readLines(file);
  ASSERT_EQ(lines.size(), 23u);
  EXPECT_EQ(lines[0], "b 5.500000 0.500000");
  EXPECT_EQ(lines[1], "p 0 -50.000000 0.000000 0");
  EXPECT_EQ(lines[10], "p 9 5.000000 0.000000 0");
  EXPECT_EQ(lines[12], "p 11 50.000000 0.000000 0");
  EXPECT_EQ(lines[22], "p 21 -6.000000 -10.000000 0");
}

TEST_F(AnalyseTest, RolesOfBothTeams) {
  ToolRun r = run({match, "roles", "1"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            "team number role zone x y\n"
            "left 1 goalie defender -50 0\n"
            "left 2 defender defender -36 -20\n"
            "left 3 defender defender -35 -7\n"
            "left 4 defender defender -34 7\n"
            "left 5 defender defender -33 20\n"
            "left 6 middlefield middlefield -16 -10\n"
            "left 7 middlefield middlefield -15 0\n"
            "left 8 middlefield middlefield -14 10\n"
            "left 9 attacker middlefield 4 -10\n"
            "left 10 attacker middlefield 5 0\n"
            "left 11 attacker middlefield 6 10\n"
            "left rearmost 1\n"
            "right 1 goalie defender 50 0\n"
            "right 2 defender defender 36 20\n"
            "right 3 defender defender 35 7\n"
            "right 4 defender defender 34 -7\n"
            "right 5 defender defender 33 -20\n"
            "right 6 middlefield middlefield 16 10\n"
            "right 7 middlefield middlefield 15 0\n"
            "right 8 middlefield middlefield 14 -10\n"
            "right 9 attacker middlefield -4 10\n"
            "right 10 attacker middlefield -5 0\n"
            "right 11 attacker middlefield -6 -10\n"
            "right rearmost 1\n");
}

TEST_F(AnalyseTest, TeamsArePlacedByNameWhateverTheOwnSide) {
  std::string expected = run({match, "records", "nearest"}).out;
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(run({match, "--team", "Beta", "--side", "r", "records", "nearest"}).out, expected);
  EXPECT_EQ(run({match, "--team", "Alpha", "--side", "l", "records", "nearest"}).out, expected);

  std::string fromRight = dir.file("right.txt");
  ASSERT_TRUE(writeFile(fromRight, tools_test::recordedMatch('r')));
  ToolRun r = run({fromRight, "records", "nearest"});
  EXPECT_EQ(r.out, expected) << "the init reply's side picks Beta as the own team";
  EXPECT_EQ(r.err, "");

  std::string noInit = dir.file("noinit.txt");
  ASSERT_TRUE(writeFile(noInit, tools_test::recordedMatch(0)));
  EXPECT_EQ(run({noInit, "records", "nearest"}).out, expected);

  std::string alphaOnly = dir.file("alpha.txt");
  std::string view = tools_test::globalView(1, 0, 0, 0, 0);
  ASSERT_TRUE(writeFile(alphaOnly, view.substr(0, view.find(" ((p \"Beta\"")) + ")\n"));
  ToolRun unnamed = run({alphaOnly, "--side", "r", "records", "nearest"});
  EXPECT_EQ(unnamed.status, 0);
  EXPECT_EQ(unnamed.err, "Warning, no team name for the right side found in " + alphaOnly +
                             "; give it with --team.\n");

  ToolRun swapped = run({match, "--team", "Beta", "records", "nearest", "left"});
  EXPECT_EQ(linesOf(swapped.out).size(), 3u) << "Beta placed left holds the ball three times";
}

}  // namespace
