// The whole advice path against touchliner-sim: a scripted match in which the
// opponent keeps fixed spots, holds the ball and takes two corner kicks, and
// the exact say messages the coach sends with the cycles at which they arrive.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/coach/e2e_fixture.h"
#include "tests/support/process.h"

namespace {

constexpr int INTERVAL = 50;
constexpr int LAST_CYCLE = 180;

struct Spot {
  double x, y;
};

// The opponent's (team "Them", right side) spots and the own team's ("Us").
const std::map<int, Spot> THEM = {{1, {50, 0}},  {2, {20, -20}},  {3, {20, 20}}, {4, {-10, 0}},
                                  {5, {30, 10}}, {6, {10, -10}},  {7, {10, 10}}, {8, {-15, -20}},
                                  {9, {-25, 0}}, {10, {-30, 20}}, {11, {0, -28}}};
const std::map<int, Spot> US = {{1, {-50, 0}}, {2, {-40, -20}}, {3, {-40, 20}}, {4, {-30, -5}},
                                {5, {-30, 5}}, {6, {-20, -20}}, {7, {-20, 20}}, {8, {-10, -10}},
                                {9, {25, 6}},  {10, {0, -15}},  {11, {0, 15}}};
// Their sections (x index, y index) on the 11 x 7 grid.
const std::map<int, std::pair<int, int>> THEIR_SECTIONS = {
    {1, {10, 3}}, {2, {7, 1}}, {3, {7, 5}}, {4, {4, 3}},  {5, {8, 4}}, {6, {6, 2}},
    {7, {6, 4}},  {8, {3, 1}}, {9, {2, 3}}, {10, {2, 5}}, {11, {5, 0}}};

const char* const X_EDGE[] = {"-52.5",   "-42.9545", "-33.4091", "-23.8636", "-14.3182", "-4.77273",
                              "4.77273", "14.3182",  "23.8636",  "33.4091",  "42.9545",  "52.5"};
const char* const Y_EDGE[] = {"-34",     "-24.2857", "-14.5714", "-4.85714",
                              "4.85714", "14.5714",  "24.2857",  "34"};

std::string num(double v) {
  std::ostringstream out;
  out << v;
  return out.str();
}

std::string sectionQuad(std::pair<int, int> s) {
  const auto [c, r] = s;
  auto pt = [](const char* x, const char* y) { return std::string("(pt ") + x + " " + y + ")"; };
  return "(quad " + pt(X_EDGE[c], Y_EDGE[r]) + " " + pt(X_EDGE[c + 1], Y_EDGE[r]) + " " +
         pt(X_EDGE[c + 1], Y_EDGE[r + 1]) + " " + pt(X_EDGE[c], Y_EDGE[r + 1]) + ")";
}

// One view: ball at opponent 4's feet, opponent 5 at fifth when given.
std::string view(int t, Spot fifth) {
  std::string v = "(see_global " + std::to_string(t) + " ((g l) -52.5 0) ((g r) 52.5 0) ((b) " +
                  num(THEM.at(4).x) + " " + num(THEM.at(4).y) + " 0 0)";
  for (const auto& [n, s] : US) {
    v += " ((p \"Us\" " + std::to_string(n) + (n == 1 ? " goalie" : "") + ") " + num(s.x) + " " +
         num(s.y) + " 0 0 0 0)";
  }
  for (auto [n, s] : THEM) {
    if (n == 5) s = fifth;
    v += " ((p \"Them\" " + std::to_string(n) + (n == 1 ? " goalie" : "") + ") " + num(s.x) + " " +
         num(s.y) + " 0 0 0 0)";
  }
  return v + ")";
}

// Corner kicks for them at 10..14 and 100..104 (opponent 5 at (32, 13) in the
// second), a kick-in for them at 55..59, play_on otherwise.
std::vector<std::string> script() {
  const std::map<int, std::string> referee = {
      {1, "play_on"},  {10, "corner_kick_r"},  {15, "play_on"}, {55, "kick_in_r"},
      {60, "play_on"}, {100, "corner_kick_r"}, {105, "play_on"}};
  std::vector<std::string> lines;
  for (int t = 1; t <= LAST_CYCLE; ++t) {
    if (referee.count(t))
      lines.push_back("(hear " + std::to_string(t) + " referee " + referee.at(t) + ")");
    lines.push_back(view(t, t >= 100 && t <= 104 ? Spot{32, 13} : THEM.at(5)));
  }
  return lines;
}

std::string opponentPositionsRule() {
  std::string rule = "(50 (bowner opp {0})";
  for (const auto& [n, s] : THEIR_SECTIONS) {
    rule += " (do opp {" + std::to_string(n) + "} (pos " + sectionQuad(s) + "))";
  }
  return rule + ")";
}

std::string cornerKickRule() {
  std::string rule = "(1800 (playm ck_opp)";
  for (const auto& [n, s] : THEM) {
    const std::string p = "(pt " + num(s.x) + " " + num(s.y) + ")";
    const std::string quad = n == 5 ? "(quad (pt 30 10) (pt 32 10) (pt 32 13) (pt 30 13))"
                                    : "(quad " + p + " " + p + " " + p + " " + p + ")";
    rule += " (do opp {" + std::to_string(n) + "} (pos " + quad + "))";
  }
  return rule + ")";
}

std::string offsideLineAdvice() {
  const std::string line =
      "(50 (bowner opp {0}) (do our {0} (oline (quad (pt -25 -34) (pt -25 -34) (pt -25 34) (pt -25 "
      "34)))))";
  const std::string marking =
      "(50 (bowner opp {0}) (do our {2} (mark {1})) (do our {9} (mark {5})))";
  // Sorted by xMax: them 1, 5, 2, 3, 6, 7, 11, 4, 8, 9, 10; own picks 2, 3, 9, 4,
  // 5, 6, 7, 8, 10, 11 (the goalie never; the eleventh pick is nobody).
  const std::vector<std::pair<int, std::pair<int, int>>> positions = {
      {2, {10, 3}}, {3, {8, 4}}, {9, {7, 1}}, {4, {7, 5}},  {5, {6, 2}},
      {6, {6, 4}},  {7, {5, 0}}, {8, {4, 3}}, {10, {3, 1}}, {11, {2, 3}}};
  std::string positioning = "(50 (bowner our {0})";
  for (const auto& [k, s] : positions) {
    positioning += " (do our {" + std::to_string(k) + "} (pos " + sectionQuad(s) + "))";
  }
  positioning += ")";
  return "(say (advice " + line + " " + marking + " " + positioning + "))";
}

class AdviceEndToEndTest : public EndToEndTest {
 protected:
  // (cycle, text) of every say the sim received from the coach's own socket.
  std::vector<std::pair<int, std::string>> says() const {
    std::vector<std::pair<int, std::string>> found;
    for (const std::string& line : test_support::readLines(dir.file("sim.log"))) {
      const std::size_t at = line.find(" l (say ");
      if (at == std::string::npos) continue;
      found.emplace_back(std::stoi(line.substr(0, at)), line.substr(at + 3));
    }
    return found;
  }
};

TEST_F(AdviceEndToEndTest, InfoAndAdviceArriveOnTheIntervalWithTheirTexts) {
  startSim(script(),
           {"--cycle-ms", "20", "--advice-interval", std::to_string(INTERVAL), "--clang-window",
            std::to_string(INTERVAL), "--advice-log", dir.file("advice.log")},
           300);
  startCoach({"-h", "127.0.0.1", "-p", std::to_string(port), "-t", "Us"});
  ASSERT_TRUE(sim->waitFor(std::chrono::seconds(30))) << "the sim did not end";
  EXPECT_EQ(sim->exitStatus(), 0);

  const std::string info = "(say (info " + opponentPositionsRule() + "))";
  const std::string setPlays = "(say (info " + cornerKickRule() + "))";
  const std::string advice = offsideLineAdvice();
  // Offside-line turns after cycle 0 + 50, advice turns after 15 + 50, each
  // then every 51 cycles; the opponent-positions rule comes every second turn,
  // the set-play rules in the turns between.
  const std::vector<std::pair<int, std::string>> expected = {
      {51, advice}, {66, info}, {102, advice}, {117, setPlays}, {153, advice}, {168, info}};
  const auto got = says();
  ASSERT_EQ(got.size(), expected.size()) << coachErr();
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(got[i].first, expected[i].first) << "say " << i;
    EXPECT_EQ(got[i].second, expected[i].second) << "say " << i;
  }

  // The sim's own coach-language check accepts every one within its window.
  const std::vector<std::string> verdicts = test_support::readLines(dir.file("advice.log"));
  ASSERT_EQ(verdicts.size(), expected.size());
  for (std::size_t i = 0; i < verdicts.size(); ++i) {
    EXPECT_EQ(verdicts[i].rfind(std::to_string(expected[i].first) + " l ok ", 0), 0u)
        << verdicts[i];
  }

  // The set-play lines are written in every advice turn, without "-v".
  std::vector<std::string> sizes;
  for (const std::string& line : test_support::readLines(dir.file("coach.out"))) {
    if (line.rfind("bla: setplaytokens->size(): ", 0) == 0) sizes.push_back(line.substr(28));
  }
  EXPECT_EQ(sizes, (std::vector<std::string>{"0", "1", "0"}));
  EXPECT_NE(
      coachOut().find("bla: setplay: for 1800 cycles, if\nbla: setplay:  +is play mode 'ck_opp'\n"),
      std::string::npos)
      << coachOut();
}

}  // namespace
