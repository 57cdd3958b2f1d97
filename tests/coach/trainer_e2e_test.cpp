// The trainer against touchliner-sim: "(start)" once per half-time
// announcement, the end at time over, time up or extended time with status 0
// after the statistics the script's views imply.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/coach/e2e_fixture.h"

namespace {

using namespace std::chrono_literals;

// A view with the ball at ballX, the left goalie at -10.5 and the right number 2 at rightX.
std::string view(int time, const char* ballX, const char* rightX) {
  return "(see_global " + std::to_string(time) + " ((g l) -52.5 0) ((g r) 52.5 0) ((b) " + ballX +
         " 0 0 0) ((p \"A\" 1 goalie) -10.5 0 0 0 0 0) ((p \"B\" 2) " + rightX + " 0 0 0 0 0))";
}

// Four views: the left goalie holds the ball (x -10), a free ball (x 5, left
// keeps possession), the right number 2 holds it (x 20), a free ball on the
// half-way line (x 0, counts for the left half, right keeps possession).
std::vector<std::string> fourViews(const std::string& afterSecond) {
  std::vector<std::string> lines = {"(hear 0 referee kick_off_l)", view(1, "-10", "30"),
                                    "(hear 1 referee play_on)", view(2, "5", "30")};
  if (!afterSecond.empty()) lines.push_back(afterSecond);
  lines.push_back(view(3, "20", "20.5"));
  lines.push_back("(hear 3 referee goal_l_1)");
  lines.push_back(view(4, "0", "30"));
  return lines;
}

const char* statistics = "l,1,2,1,2\nr,0,2,0,2\nx,-10,5,20,0\n";

TEST_F(EndToEndTest, TrainerEndsWithStatistics) {
  const struct {
    const char* name;
    std::string afterSecond;  // a line after the second view
    std::string last;         // the script's last line
    int starts;               // "(start)" commands expected
    const char* traceLine;    // expected in the verbose trace
  } cases[] = {
      {"half time, then time over", "(hear 2 referee half_time)", "(hear 4 referee time_over)", 1,
       "Halftime: starting again...\nSending: (start)\n"},
      {"two half times", "(hear 2 referee half_time)", "(hear 4 referee half_time)", 2,
       "Halftime: starting again...\nSending: (start)\n"},
      {"time up", "", "(hear 4 referee time_up)", 0, "New playmode: play_on\n"},
      {"extended time", "", "(hear 4 referee time_extended)", 0, "Extended: stoping game...\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto script = fourViews(c.afterSecond);
    script.push_back(c.last);
    if (c.starts == 2) script.push_back("(hear 4 referee time_over)");
    startSim(script, {}, 1500);
    startCoach({"-T", "-v", "-p", std::to_string(trainerPort)});
    ASSERT_TRUE(coach->waitFor(15s)) << coachOut() << coachErr();
    EXPECT_EQ(coach->exitStatus(), 0);
    EXPECT_EQ(coachErr(), statistics);
    EXPECT_NE(coachOut().find(c.traceLine), std::string::npos) << coachOut();
    ASSERT_TRUE(sim->waitFor(15s));
    int starts = 0;
    for (const auto& [where, text] : simLog()) {
      if (text == "(start)") {
        ++starts;
        EXPECT_EQ(where, "trainer") << "sent to the trainer's own port";
      }
    }
    EXPECT_EQ(starts, c.starts);
  }
}

TEST_F(EndToEndTest, TrainerIgnoresSignalsWithoutFlags) {
  startSim(fourViews(""), {}, 10000);
  startCoach({"-T", "-p", std::to_string(trainerPort)});
  ASSERT_TRUE(test_support::waitUntil([&] { return simReceived("(ear on)") == 1; }, 10s));
  EXPECT_FALSE(coach->waitFor(500ms)) << "views and plays without an end keep it running";
  EXPECT_EQ(coachErr(), "");
}

}  // namespace
