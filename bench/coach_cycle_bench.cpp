// The coach's work against the server's 100 ms cycle: taking in one global view
// (parse, state construction, recognisers), the memory a state costs, and the
// analyses of the two turns on histories of realistic length.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "coach/advice_records.h"
#include "coach/intake_records.h"
#include "coach/marking.h"
#include "coach/occupancy.h"
#include "coach/offside_line.h"
#include "coach/see_global.h"
#include "coach/server_params.h"
#include "coach/set_plays.h"
#include "coach_language/cm_tok_rule.h"
#include "net/communication.h"
#include "state/cycle_state.h"
#include "state/history.h"
#include "state/settings.h"

namespace {

constexpr int kPlayOn = 3;
constexpr int kFreeKickL = 8;
constexpr int kFreeKickR = 9;
// Set plays the model stages in turn, one every 100 cycles: kick-ins, free
// kicks, corners and goal kicks of both sides.
constexpr int kSetPlays[] = {7, 9, 11, 13, 6, 8, 10, 12};
constexpr int kGameLength = 6000;
constexpr char kOwnTeam[] = "Touchliner";
constexpr char kOtherTeam[] = "Opponents";

// Home positions of the left team (4-4-2, attacking +x); the right team's are mirrored.
constexpr double kHome[11][2] = {{-50, 0},  {-35, -20}, {-35, -7}, {-35, 7}, {-35, 20}, {-15, -20},
                                 {-15, -7}, {-15, 7},   {-15, 20}, {-3, -8}, {-3, 8}};

// A deterministic game: players drift around their home positions towards the
// ball, the ball is held, passed (sometimes to the other team) and every 100
// cycles a set play is staged for 20 cycles with the players on fixed spots.
class GameModel {
 public:
  GameModel() : rng(20261211) {
    for (int side : {1, -1}) {
      for (int n = 1; n <= 11; ++n) {
        PlayerState& p = players[slotOf(side, n)];
        p.x = side * kHome[n - 1][0];
        p.y = side * kHome[n - 1][1];
        p.side = side;
        p.isGoalie = n == 1;
        p.listed = true;
      }
    }
    owner = slotOf(1, 10);
  }

  void step() {
    ++time;
    if (time % 100 >= 80) {
      stageSetPlay(kSetPlays[(time / 100) % std::size(kSetPlays)]);
    } else {
      playMode = kPlayOn;
      movePlayers();
      moveBall();
    }
  }

  PlayerRecords players{};
  BallState ball;
  int playMode = kPlayOn;
  int time = 0;

 private:
  double noise(double spread) { return std::uniform_real_distribution<>(-spread, spread)(rng); }

  void setMotion(PlayerState& p, double x, double y) {
    p.vx = x - p.x;
    p.vy = y - p.y;
    p.x = std::clamp(x, -52.0, 52.0);
    p.y = std::clamp(y, -33.5, 33.5);
    if (p.vx != 0 || p.vy != 0) p.bodyAngle = std::atan2(p.vy, p.vx) * 180 / 3.141592654;
    p.neckAngle = std::round(noise(90));
  }

  void movePlayers() {
    for (int slot = 0; slot < 22; ++slot) {
      PlayerState& p = players[slot];
      const int n = slot <= 10 ? slot + 1 : slot - 10;
      const double hx = p.side * kHome[n - 1][0];
      const double hy = p.side * kHome[n - 1][1];
      const double pull = n == 1 ? 0.05 : 0.35;
      const double tx = hx + pull * (ball.x - hx);
      const double ty = hy + pull * (ball.y - hy);
      const double dx = std::clamp(tx - p.x, -0.8, 0.8) + noise(0.2);
      const double dy = std::clamp(ty - p.y, -0.8, 0.8) + noise(0.2);
      setMotion(p, p.x + dx, p.y + dy);
    }
  }

  void moveBall() {
    if (flightLeft > 0) {
      // The ball travels towards the receiver and arrives at his feet.
      const PlayerState& r = players[receiver];
      const double f = 1.0 / flightLeft;
      ball.vx = (r.x + 0.3 - ball.x) * f;
      ball.vy = (r.y - ball.y) * f;
      ball.x += ball.vx;
      ball.y += ball.vy;
      if (--flightLeft == 0) owner = receiver;
      return;
    }
    const PlayerState& o = players[owner];
    ball = BallState{o.x + 0.3, o.y, o.vx, o.vy};
    if (++held >= 8) {
      held = 0;
      // Four passes in five stay within the team.
      const bool lost = std::uniform_int_distribution<>(0, 4)(rng) == 0;
      const int side = (players[owner].side == 1) != lost ? 1 : -1;
      receiver = slotOf(side, std::uniform_int_distribution<>(2, 11)(rng));
      flightLeft = 10;
    }
  }

  // Everybody on a spot that depends on the kind of set play, with a little
  // jitter; at free kicks the kicking side's goalie holds the ball.
  void stageSetPlay(int mode) {
    playMode = mode;
    flightLeft = 0;
    for (int slot = 0; slot < 22; ++slot) {
      PlayerState& p = players[slot];
      const int n = slot <= 10 ? slot + 1 : slot - 10;
      const double shift = 2.0 * (mode - 8);
      setMotion(p, p.side * (kHome[n - 1][0] + shift) + noise(0.5),
                p.side * kHome[n - 1][1] + noise(0.5));
      p.vx = p.vy = 0;
    }
    int holder = slotOf(mode % 2 == 0 ? 1 : -1, 10);
    if (mode == kFreeKickL) holder = slotOf(1, 1);
    if (mode == kFreeKickR) holder = slotOf(-1, 1);
    owner = holder;
    ball = BallState{players[holder].x + 0.3, players[holder].y, 0, 0};
  }

  std::mt19937 rng;
  int owner = 0;
  int receiver = 0;
  int held = 0;
  int flightLeft = 0;
};

// The view text the server sends for the model's current cycle.
std::string viewText(const GameModel& game) {
  char item[160];
  std::string text = "(see_global " + std::to_string(game.time) + " ((g l) -52.5 0) ((g r) 52.5 0)";
  std::snprintf(item, sizeof item, " ((b) %g %g %g %g)", game.ball.x, game.ball.y, game.ball.vx,
                game.ball.vy);
  text += item;
  for (int slot = 0; slot < 22; ++slot) {
    const PlayerState& p = game.players[slot];
    const int n = slot <= 10 ? slot + 1 : slot - 10;
    std::snprintf(item, sizeof item, " ((p \"%s\" %d%s) %g %g %g %g %g %g)",
                  slot <= 10 ? kOwnTeam : kOtherTeam, n, n == 1 ? " goalie" : "", p.x, p.y, p.vx,
                  p.vy, p.bodyAngle, p.neckAngle);
    text += item;
  }
  return text + ")";
}

// Length of the model game in the history, -1 when it holds something else.
int modelHistoryLength = -1;

// Every process-wide record as at start-up of a coach of kOwnTeam playing left,
// with an advice interval of 100 cycles.
void resetCoach() {
  resetSettings();
  resetStateHistory();
  resetIntakeRecords();
  resetAdviceRecords();
  modelHistoryLength = -1;
  teamName = kOwnTeam;
  ownSide = 1;
  serverParams = std::make_unique<Serverparam>();
  serverParams->adviceInterval = 100;
}

const std::vector<std::string>& gameViews() {
  static const std::vector<std::string> views = [] {
    std::vector<std::string> texts;
    GameModel game;
    for (int i = 0; i < kGameLength; ++i) {
      game.step();
      texts.push_back(viewText(game));
    }
    return texts;
  }();
  return views;
}

// Parses one view the way the link hands it over: from the receive buffer.
void takeInView(const std::string& view) {
  std::memcpy(receiveBuffer, view.c_str(), view.size() + 1);
  parse_see_global(receiveBuffer);
}

// Makes the history hold the model's first `length` cycles (kept between calls).
void ensureHistory(int length) {
  if (modelHistoryLength == length) return;
  resetCoach();
  GameModel game;
  for (int i = 0; i < length; ++i) {
    game.step();
    appendState(game.players, game.ball, static_cast<int16_t>(game.time), game.playMode);
  }
  currentTime = game.time;
  modelHistoryLength = length;
}

// One view per iteration over a whole game (the history grows as in a match).
void BM_ParseSeeGlobal(benchmark::State& state) {
  const std::vector<std::string>& views = gameViews();
  resetCoach();
  std::size_t i = 0;
  for (auto _ : state) takeInView(views[i++ % views.size()]);
  if (stateHistory().size() != i || !stateHistory().back()->players[21].listed) {
    state.SkipWithError("views were not taken in completely");
  }
  state.counters["view_bytes"] = static_cast<double>(views[0].size());
}
BENCHMARK(BM_ParseSeeGlobal)->Iterations(kGameLength)->Unit(benchmark::kMicrosecond);

// appendState alone (state construction and recognisers) on the same game.
void BM_AppendState(benchmark::State& state) {
  struct Frame {
    PlayerRecords players;
    BallState ball;
    int time;
    int playMode;
  };
  std::vector<Frame> frames;
  GameModel game;
  for (int i = 0; i < kGameLength; ++i) {
    game.step();
    frames.push_back(Frame{game.players, game.ball, game.time, game.playMode});
  }
  resetCoach();
  std::size_t i = 0;
  for (auto _ : state) {
    const Frame& f = frames[i++ % frames.size()];
    appendState(f.players, f.ball, static_cast<int16_t>(f.time), f.playMode);
  }
}
BENCHMARK(BM_AppendState)->Iterations(kGameLength)->Unit(benchmark::kMicrosecond);

// A whole game taken in; reports the heap bytes the history holds per state.
void BM_HistoryMemory(benchmark::State& state) {
  const std::vector<std::string>& views = gameViews();
  double perState = 0;
  for (auto _ : state) {
    state.PauseTiming();
    resetCoach();
    const std::size_t before = mallinfo2().uordblks;
    state.ResumeTiming();
    for (const std::string& view : views) takeInView(view);
    state.PauseTiming();
    perState = static_cast<double>(mallinfo2().uordblks - before) / views.size();
    state.ResumeTiming();
  }
  state.counters["bytes_per_state"] = perState;
  state.counters["sizeof_CycleState"] = sizeof(CycleState);
}
BENCHMARK(BM_HistoryMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// Occupancy rule of the advice turn (reads the last 500 states).
void BM_BuildCopsRule(benchmark::State& state) {
  ensureHistory(static_cast<int>(state.range(0)));
  int directives = 0;
  for (auto _ : state) {
    copsToggle = false;  // the rule is built on every second call only
    std::unique_ptr<CM_TokRule> rule = buildCopsRule(true);
    if (rule) directives = static_cast<int>(rule->getDirectives().size());
    benchmark::DoNotOptimize(rule);
  }
  state.counters["directives"] = directives;
}
BENCHMARK(BM_BuildCopsRule)->Arg(500)->Arg(kGameLength)->Unit(benchmark::kMicrosecond);

// Set-play rules of the advice turn (reads the last 1800 states).
void BM_LearnSetPlays(benchmark::State& state) {
  ensureHistory(static_cast<int>(state.range(0)));
  int rules = 0;
  for (auto _ : state) {
    setPlayToggle = false;  // learning works on every second call only
    std::vector<std::unique_ptr<CM_TokRule>> learned = learnSetPlays();
    rules = static_cast<int>(learned.size());
    benchmark::DoNotOptimize(learned);
  }
  state.counters["rules"] = rules;
}
BENCHMARK(BM_LearnSetPlays)->Arg(1800)->Arg(kGameLength)->Unit(benchmark::kMicrosecond);

// Offside-line rule of the offside-line turn.
void BM_BuildOffsideLineRule(benchmark::State& state) {
  ensureHistory(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::unique_ptr<CM_TokRule> rule = buildOffsideLineRule();
    benchmark::DoNotOptimize(rule);
  }
}
BENCHMARK(BM_BuildOffsideLineRule)->Arg(kGameLength)->Unit(benchmark::kMicrosecond);

// Marking and positioning rules of the offside-line turn.
void BM_BuildPositioningRules(benchmark::State& state) {
  ensureHistory(static_cast<int>(state.range(0)));
  int rules = 0;
  for (auto _ : state) {
    std::unique_ptr<RuleList> built = buildPositioningRules(0, true);
    rules = built ? static_cast<int>(built->size()) : 0;
    benchmark::DoNotOptimize(built);
  }
  state.counters["rules"] = rules;
}
BENCHMARK(BM_BuildPositioningRules)->Arg(kGameLength)->Unit(benchmark::kMicrosecond);

}  // namespace
