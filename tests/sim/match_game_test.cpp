// The match generator without sockets: determinism, the views' form, ball and player physics,
// the referee's sequence (kick-offs, goals, half time, the end, extra time) and the players'
// spots at set plays.
#include "sim/match_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "sim/match_truth.h"
#include "tests/sim/fake_game_output.h"
#include "tests/sim/view_reader.h"
#include "tests/support/process.h"

namespace {

struct Played {
  std::vector<SentMessage> sent;
  std::vector<std::string> referee;  // referee texts in order
  std::vector<int> refereeTimes;
  int steps = 0;
};

// Plays a whole match; with a trainer, answers half time and extended time with a start
// after startDelay cycles.
Played play(const SimOptions& options, bool trainer = false, int startDelay = 5) {
  MatchGame game(options);
  FakeGameOutput out;
  out.trainer = trainer;
  game.begin("Lefts", "Rights");
  Played played;
  int startIn = -1;
  while (!game.finished() && played.steps < 100000) {
    size_t before = out.sent.size();
    game.step(out);
    ++played.steps;
    for (size_t i = before; i < out.sent.size(); ++i) {
      int time = 0;
      std::string text = refereeText(out.sent[i].text, time);
      if (out.sent[i].view || text.empty()) continue;
      played.referee.push_back(text);
      played.refereeTimes.push_back(time);
      if (trainer && (text == "half_time" || text == "time_extended")) startIn = startDelay;
    }
    if (startIn >= 0 && startIn-- == 0) game.trainerStart();
  }
  played.sent = std::move(out.sent);
  return played;
}

SimOptions matchOptions(unsigned seed, int cycles, int halfTime) {
  SimOptions options;
  options.match = true;
  options.seed = seed;
  options.cycles = cycles;
  options.halfTime = halfTime;
  return options;
}

int countOf(const std::vector<std::string>& texts, const std::string& text) {
  int count = 0;
  for (const auto& t : texts) count += t == text;
  return count;
}

TEST(MatchGameTest, SameSeedSameMatchOtherSeedAnother) {
  Played a = play(matchOptions(3, 800, 400));
  Played b = play(matchOptions(3, 800, 400));
  Played c = play(matchOptions(4, 800, 400));
  ASSERT_EQ(a.sent.size(), b.sent.size());
  for (size_t i = 0; i < a.sent.size(); ++i) ASSERT_EQ(a.sent[i].text, b.sent[i].text) << i;
  bool differ = a.sent.size() != c.sent.size();
  for (size_t i = 0; !differ && i < a.sent.size(); ++i) differ = a.sent[i].text != c.sent[i].text;
  EXPECT_TRUE(differ);
}

TEST(MatchGameTest, ViewsListBallAndPlayersInTheirOrderWithShortNumbers) {
  Played played = play(matchOptions(2, 600, 0));
  int views = 0;
  for (const auto& message : played.sent) {
    if (!message.view) continue;
    ++views;
    ParsedView view;
    ASSERT_TRUE(parseView(message.text, view)) << message.text;
    ASSERT_EQ(view.players.size(), 22u) << message.text;
    for (int slot = 0; slot < 22; ++slot) {
      const ViewPlayer& p = view.players[slot];
      EXPECT_EQ(p.team, slot < 11 ? "Lefts" : "Rights");
      EXPECT_EQ(p.number, slot % 11 + 1);
      EXPECT_EQ(p.goalie, slot % 11 == 0);
    }
    for (const std::string& number : view.numbers) {
      size_t point = number.find('.');
      if (point == std::string::npos) continue;
      EXPECT_LE(number.size() - point - 1, 4u) << number;
      EXPECT_NE(number.back(), '0') << number;
    }
  }
  EXPECT_GT(views, 600);
}

TEST(MatchGameTest, BallDecaysAndPlayersKeepTheirSpeedLimit) {
  Played played = play(matchOptions(5, 3000, 1500));
  ParsedView previous;
  bool havePrevious = false;
  int freeFlights = 0;
  for (const auto& message : played.sent) {
    if (!message.view) continue;
    ParsedView view;
    ASSERT_TRUE(parseView(message.text, view));
    EXPECT_LE(std::hypot(view.bvx, view.bvy), 3.0 + 1e-3) << message.text;
    if (havePrevious && view.time == previous.time + 1) {
      for (int slot = 0; slot < 22; ++slot) {
        double step = std::hypot(view.players[slot].x - previous.players[slot].x,
                                 view.players[slot].y - previous.players[slot].y);
        EXPECT_LE(step, 1.0 + 1e-3) << view.time << " slot " << slot;
      }
      // The ball either flew on, moved by its velocity and keeping 0.94 of it, or somebody
      // within reach kicked or caught it, or the referee placed it for a restart.
      bool flew = std::fabs(view.bx - (previous.bx + previous.bvx)) < 2e-4 &&
                  std::fabs(view.by - (previous.by + previous.bvy)) < 2e-4 &&
                  std::fabs(view.bvx - previous.bvx * 0.94) < 2e-4 &&
                  std::fabs(view.bvy - previous.bvy * 0.94) < 2e-4;
      double reach = 1e9;
      for (const ViewPlayer& p : view.players) {
        reach = std::min(reach, std::hypot(p.x - view.bx, p.y - view.by));
      }
      bool placed = view.bvx == 0 && view.bvy == 0;
      if (flew && std::hypot(previous.bvx, previous.bvy) > 0.1) ++freeFlights;
      EXPECT_TRUE(flew || placed || reach <= 1.5 + 1e-3) << message.text;
    }
    previous = view;
    havePrevious = true;
  }
  EXPECT_GT(freeFlights, 500);
}

TEST(MatchGameTest, RefereeOpensKicksOffAndEnds) {
  Played played = play(matchOptions(1, 1200, 0));
  ASSERT_GE(played.referee.size(), 5u);
  EXPECT_EQ(played.referee[0], "before_kick_off");
  EXPECT_EQ(played.referee[1], "kick_off_l");
  EXPECT_EQ(played.referee[2], "play_on");
  ASSERT_GE(played.referee.size(), 2u);
  EXPECT_EQ(played.referee[played.referee.size() - 2], "time_up");
  EXPECT_EQ(played.referee.back(), "time_over");
  EXPECT_EQ(played.refereeTimes.back(), 1200);
  EXPECT_TRUE(played.sent.back().view == false) << "no view after time_over";
  // Every hear carries the cycle of the view that follows it in the same cycle.
  for (size_t i = 0; i + 1 < played.sent.size(); ++i) {
    int time = 0;
    if (played.sent[i].view || refereeText(played.sent[i].text, time).empty()) continue;
    for (size_t j = i + 1; j < played.sent.size(); ++j) {
      if (!played.sent[j].view) continue;
      ParsedView view;
      ASSERT_TRUE(parseView(played.sent[j].text, view));
      EXPECT_EQ(view.time, time) << played.sent[i].text;
      break;
    }
  }
}

TEST(MatchGameTest, GoalsAreCountedAndTheOtherSideKicksOffFiftyCyclesLater) {
  Played played = play(matchOptions(1, 6000, 3000));
  int goals[2] = {0, 0};
  for (size_t i = 0; i < played.referee.size(); ++i) {
    const std::string& text = played.referee[i];
    if (text.rfind("goal_l_", 0) != 0 && text.rfind("goal_r_", 0) != 0) continue;
    int side = text[5] == 'l' ? 0 : 1;
    ++goals[side];
    EXPECT_EQ(text, std::string("goal_") + "lr"[side] + "_" + std::to_string(goals[side]));
    ASSERT_LT(i + 1, played.referee.size());
    if (played.referee[i + 1] == "half_time" || played.referee[i + 1] == "time_up") continue;
    EXPECT_EQ(played.referee[i + 1], std::string("kick_off_") + "rl"[side]) << text;
    EXPECT_EQ(played.refereeTimes[i + 1] - played.refereeTimes[i], 50) << text;
  }
  EXPECT_GT(goals[0] + goals[1], 0);
}

TEST(MatchGameTest, EveryKindOfRestartHappensInALongMatch) {
  Played played = play(matchOptions(1, 6000, 3000));
  for (const char* kind : {"kick_in_", "corner_kick_", "goal_kick_", "free_kick_",
                           "goalie_catch_ball_", "kick_off_"}) {
    int count = 0;
    for (const auto& text : played.referee) count += text.rfind(kind, 0) == 0;
    EXPECT_GT(count, 0) << kind;
  }
  // A goalkeeper's catch is followed by his side's free kick in the same cycle.
  for (size_t i = 0; i < played.referee.size(); ++i) {
    if (played.referee[i].rfind("goalie_catch_ball_", 0) != 0) continue;
    ASSERT_LT(i + 1, played.referee.size());
    EXPECT_EQ(played.referee[i + 1], "free_kick_" + played.referee[i].substr(18));
    EXPECT_EQ(played.refereeTimes[i + 1], played.refereeTimes[i]);
  }
}

TEST(MatchGameTest, HalfTimePausesThenRestartsByItselfWithoutTrainer) {
  SimOptions options = matchOptions(2, 1000, 500);
  options.pauseCycles = 120;
  Played played = play(options);
  size_t half = 0;
  while (half < played.referee.size() && played.referee[half] != "half_time") ++half;
  ASSERT_LT(half + 2, played.referee.size());
  EXPECT_EQ(played.refereeTimes[half], 500);
  EXPECT_EQ(played.referee[half + 1], "before_kick_off");
  EXPECT_EQ(played.referee[half + 2], "kick_off_l");
  // The clock stands still before the kick-off: the pause's views all carry cycle 500.
  int pauseViews = 0;
  for (const auto& message : played.sent) {
    ParsedView view;
    if (message.view && parseView(message.text, view) && view.time == 500) ++pauseViews;
  }
  EXPECT_GE(pauseViews, 120);
  EXPECT_EQ(played.refereeTimes[half + 2], 500);
  EXPECT_EQ(countOf(played.referee, "time_over"), 1);
}

TEST(MatchGameTest, WithATrainerHalfTimeWaitsForStart) {
  SimOptions options = matchOptions(2, 1000, 500);
  options.pauseCycles = 50;
  Played quick = play(options, true, 5);
  Played late = play(options, true, 400);
  // Waiting longer for the start makes the match longer by about the difference, far beyond
  // the pause the game would make by itself.
  EXPECT_GE(late.steps - quick.steps, 300);
  EXPECT_EQ(countOf(late.referee, "kick_off_l"), countOf(quick.referee, "kick_off_l"));
  EXPECT_EQ(countOf(late.referee, "half_time"), 1);
}

TEST(MatchGameTest, ExtraTimeFollowsALevelScore) {
  // Short matches, until one ends level (most end without a goal).
  Played played;
  bool level = false;
  for (unsigned seed = 1; seed <= 20 && !level; ++seed) {
    SimOptions options = matchOptions(seed, 150, 0);
    options.extraTime = true;
    options.extraCycles = 100;
    played = play(options);
    int goals[2] = {0, 0};
    for (size_t i = 0; i < played.referee.size() && played.refereeTimes[i] < 150; ++i) {
      goals[0] += played.referee[i].rfind("goal_l_", 0) == 0;
      goals[1] += played.referee[i].rfind("goal_r_", 0) == 0;
    }
    level = goals[0] == goals[1];
  }
  ASSERT_TRUE(level);
  size_t extended = 0;
  while (extended < played.referee.size() && played.referee[extended] != "time_extended") {
    ++extended;
  }
  ASSERT_LT(extended + 1, played.referee.size());
  EXPECT_EQ(played.refereeTimes[extended], 150);
  EXPECT_EQ(played.referee[extended + 1], "before_kick_off");
  EXPECT_EQ(played.referee.back(), "time_over");
  EXPECT_EQ(played.refereeTimes.back(), 250);
}

TEST(MatchGameTest, PlayersStandAtTheirSpotsWhenASetPlayIsTaken) {
  test_support::TempDir dir;
  SimOptions options = matchOptions(4, 4000, 2000);
  options.truthFile = dir.file("truth");
  Played played = play(options);
  MatchTruth truth;
  ASSERT_TRUE(readMatchTruth(options.truthFile, truth));
  // The last view before each play_on shows the restart's players at their spots.
  std::string mode;
  ParsedView last;
  int checked = 0;
  size_t restart = 0;
  for (const auto& message : played.sent) {
    int time = 0;
    if (message.view) {
      ASSERT_TRUE(parseView(message.text, last));
      continue;
    }
    std::string text = refereeText(message.text, time);
    if (text == "play_on" && setPlayModeOfName(mode.c_str()) >= 0) {
      int m = setPlayModeOfName(mode.c_str());
      ASSERT_LT(restart, truth.restarts.size());
      while (restart < truth.restarts.size() && truth.restarts[restart].mode != m) ++restart;
      ASSERT_LT(restart, truth.restarts.size());
      int takerSlot = takingSideOf(m) * 11 + truth.restarts[restart].taker - 1;
      for (int slot = 0; slot < 22; ++slot) {
        const ViewPlayer& p = last.players[slot];
        if (slot == takerSlot) {
          EXPECT_LE(std::hypot(p.x - last.bx, p.y - last.by), 1.1) << mode << " taker";
          continue;
        }
        const Spot& spot = truth.habits[slot / 11].setPlay[m][slot % 11];
        EXPECT_LT(std::hypot(p.x - spot.x, p.y - spot.y), 0.8 + 1e-3)
            << mode << " at " << time << " slot " << slot;
        EXPECT_EQ(p.vx, 0) << mode << " slot " << slot;
      }
      ++checked;
      ++restart;
    }
    if (!text.empty() && text != "play_on") mode = text;
  }
  EXPECT_GT(checked, 10);
}

TEST(MatchGameTest, TruthFileHoldsTheHabitsRestartsAndScore) {
  test_support::TempDir dir;
  SimOptions options = matchOptions(6, 2000, 1000);
  options.truthFile = dir.file("truth");
  MatchGame game(options);
  FakeGameOutput out;
  game.begin("Lefts", "Rights");
  int restarts = 0;
  while (!game.finished()) {
    size_t before = out.sent.size();
    game.step(out);
    for (size_t i = before; i < out.sent.size(); ++i) {
      int time = 0;
      restarts += setPlayModeOfName(refereeText(out.sent[i].text, time).c_str()) > 0;
    }
  }
  MatchTruth truth;
  ASSERT_TRUE(readMatchTruth(options.truthFile, truth));
  EXPECT_EQ(truth.names[0], "Lefts");
  EXPECT_EQ(truth.names[1], "Rights");
  for (int side = 0; side < 2; ++side) {
    EXPECT_EQ(truth.goals[side], game.goals(side));
    for (int n = 0; n < TEAM_SIZE; ++n) {
      EXPECT_NEAR(truth.habits[side].homeOwn[n].x, game.habits(side).homeOwn[n].x, 1e-4);
      EXPECT_NEAR(truth.habits[side].homeOpp[n].y, game.habits(side).homeOpp[n].y, 1e-4);
      for (int mode = 0; mode < SET_PLAY_MODE_COUNT; ++mode) {
        EXPECT_NEAR(truth.habits[side].setPlay[mode][n].x, game.habits(side).setPlay[mode][n].x,
                    1e-4);
      }
    }
  }
  EXPECT_EQ(static_cast<int>(truth.restarts.size()), restarts);
}

TEST(MatchTruthTest, RefusesDamagedFiles) {
  test_support::TempDir dir;
  const char* damaged[] = {"home l own 12 1 2\n",
                           "home x own 1 1 2\n",
                           "setplay l nothing 1 0 0\n",
                           "restart 5 kick_in_l\n",
                           "bogus\n",
                           "score 1\n"};
  for (const char* text : damaged) {
    ASSERT_TRUE(test_support::writeFile(dir.file("t"), text));
    MatchTruth truth;
    EXPECT_FALSE(readMatchTruth(dir.file("t"), truth)) << text;
  }
  MatchTruth truth;
  EXPECT_FALSE(readMatchTruth(dir.file("missing"), truth));
  ASSERT_TRUE(test_support::writeFile(dir.file("t"), "# c\nteam l A\nscore 2 3\n"));
  ASSERT_TRUE(readMatchTruth(dir.file("t"), truth));
  EXPECT_EQ(truth.names[0], "A");
  EXPECT_EQ(truth.goals[1], 3);
}

}  // namespace
