// Flow of a generated match: the referee, set plays, the clock and the truth file. The play
// itself (movement and kicks) is in match_play.cpp.
#include "sim/match_game.h"

#include <algorithm>
#include <cmath>

#include "sim/number_text.h"
#include "sim/view_text.h"

namespace {

// A set play lasts at least SET_PLAY_CYCLES, its last STAND_CYCLES with every player standing
// at his spot. The length keeps the restarts that a coach samples (at most one state in 40)
// on states in which the players stand where they mean to.
constexpr int SET_PLAY_CYCLES = 41;
constexpr int STAND_CYCLES = 5;
constexpr int SET_PLAY_LIMIT = 300;    // a set play is taken after this many cycles at most
constexpr int GOAL_PAUSE_CYCLES = 50;  // from a goal to the other side's kick-off
constexpr int FIRST_KICK_OFF_WAIT = 50;
constexpr double SPOT_NOISE = 0.8;  // radius of the noise around a set-play spot

int slotOf(int side, int number) {
  return side * TEAM_SIZE + number - 1;
}

}  // namespace

MatchGame::MatchGame(const SimOptions& options)
    : options_(options), random_(static_cast<uint64_t>(options.seed) * 2654435761ULL + 1) {}

void MatchGame::begin(const std::string& leftName, const std::string& rightName) {
  names_[0] = leftName;
  names_[1] = rightName;
  habits_[0] = makeTeamHabits(options_.seed, 0);
  habits_[1] = makeTeamHabits(options_.seed, 1);
  endTime_ = options_.cycles;
  if (!options_.truthFile.empty() && truth_.open(options_.truthFile)) writeTruth();
  // The players take the field at their before-kick-off spots.
  for (int slot = 0; slot < 2 * TEAM_SIZE; ++slot) {
    const Spot& spot = habits_[slot / TEAM_SIZE].setPlay[BEFORE_KICK_OFF][slot % TEAM_SIZE];
    world_.players[slot].x = spot.x;
    world_.players[slot].y = spot.y;
    world_.players[slot].body = slot < TEAM_SIZE ? 0 : 180;
  }
  beginBeforeKickOff();
}

void MatchGame::announce(const std::string& text) {
  hears_.push_back("(hear " + std::to_string(time_) + " referee " + text + ")");
}

void MatchGame::enterPhase(Phase phase) {
  phase_ = phase;
  phaseCycles_ = 0;
  standCycles_ = 0;
}

void MatchGame::walkToTargets(double speed) {
  bool inPlace = true;
  for (int slot = 0; slot < 2 * TEAM_SIZE; ++slot) {
    movePlayer(world_.players[slot], targets_[slot], speed);
    if (distanceBetween(world_.players[slot].x, world_.players[slot].y, targets_[slot].x,
                        targets_[slot].y) > 1e-3) {
      inPlace = false;
    }
  }
  standCycles_ = inPlace ? standCycles_ + 1 : 0;
}

void MatchGame::step(GameOutput& out) {
  if (phase_ == Phase::Waiting || phase_ == Phase::Over) return;
  if (phase_ != Phase::BeforeKickOff) ++time_;
  for (Player& player : world_.players) {
    if (player.cooldown > 0) --player.cooldown;
  }
  switch (phase_) {
    case Phase::BeforeKickOff:
      stepBeforeKickOff(out);
      break;
    case Phase::SetPlay:
      stepSetPlay();
      break;
    case Phase::PlayOn:
      stepPlayOn();
      break;
    case Phase::GoalPause:
      stepGoalPause();
      break;
    default:
      break;
  }
  checkClock();
  for (const std::string& hear : hears_) out.sendHear(hear);
  hears_.clear();
  if (phase_ != Phase::Over) out.sendView(viewText(time_, world_, names_[0], names_[1]));
}

void MatchGame::beginBeforeKickOff() {
  enterPhase(Phase::BeforeKickOff);
  taker_ = -1;
  world_.ball = Ball{};
  announce("before_kick_off");
  chooseTargets(BEFORE_KICK_OFF);
}

void MatchGame::stepBeforeKickOff(GameOutput& out) {
  ++phaseCycles_;
  walkToTargets(PLAYER_RUN_SPEED);
  if (standCycles_ < STAND_CYCLES || phaseCycles_ < SET_PLAY_CYCLES) return;
  bool go = false;
  if (!secondStart_) {
    go = phaseCycles_ >= FIRST_KICK_OFF_WAIT || startRequested_;
  } else if (startRequested_) {
    go = true;
  } else if (!out.trainerConnected()) {
    go = phaseCycles_ >= options_.pauseCycles;
  } else {
    // A trainer that never restarts the game does not hold it forever.
    go = phaseCycles_ >= 20 * std::max(options_.pauseCycles, 50);
  }
  if (!go) return;
  startRequested_ = false;
  secondStart_ = false;
  kickOffSide_ = 0;
  beginSetPlay(KICK_OFF_L, {0, 0}, slotOf(0, KICK_OFF_TAKER));
}

void MatchGame::chooseTargets(int mode) {
  for (int slot = 0; slot < 2 * TEAM_SIZE; ++slot) {
    Spot spot = habits_[slot / TEAM_SIZE].setPlay[mode][slot % TEAM_SIZE];
    double angle = random_.uniform(0, 360);
    double radius = random_.uniform(0, SPOT_NOISE);
    targets_[slot] = {spot.x + radius * std::cos(angle * 3.141592654 / 180),
                      spot.y + radius * std::sin(angle * 3.141592654 / 180)};
  }
}

void MatchGame::beginSetPlay(int mode, Spot ball, int taker, bool newTargets) {
  enterPhase(Phase::SetPlay);
  setPlayMode_ = mode;
  taker_ = taker;
  world_.ball = Ball{ball.x, ball.y, 0, 0};
  announce(setPlayModeName(mode));
  int takingSide = takingSideOf(mode);
  double attack = takingSide == 0 ? 1.0 : -1.0;
  if (newTargets) chooseTargets(mode);
  if (mode == KICK_OFF_L || mode == KICK_OFF_R) {
    targets_[taker] = habits_[takingSide].setPlay[mode][KICK_OFF_TAKER - 1];
  } else if (mode == FREE_KICK_L || mode == FREE_KICK_R) {
    targets_[taker] = {world_.players[taker].x, world_.players[taker].y};
  } else {
    targets_[taker] = {ball.x - 0.5 * attack, ball.y};
  }
  if (truth_.isOpen()) {
    truth_.writeLine("restart " + std::to_string(time_) + ' ' + setPlayModeName(mode) + ' ' +
                     std::to_string(taker % TEAM_SIZE + 1) + ' ' + numberText(ball.x) + ' ' +
                     numberText(ball.y));
  }
}

void MatchGame::stepSetPlay() {
  ++phaseCycles_;
  walkToTargets(PLAYER_RUN_SPEED);
  bool ready = standCycles_ >= STAND_CYCLES && phaseCycles_ >= SET_PLAY_CYCLES;
  if (!ready && phaseCycles_ < SET_PLAY_LIMIT) return;
  phase_ = Phase::PlayOn;
  announce("play_on");
  int taker = taker_;
  taker_ = -1;
  passBy(taker, setPlayMode_ == FREE_KICK_L || setPlayMode_ == FREE_KICK_R ||
                    setPlayMode_ == GOAL_KICK_L || setPlayMode_ == GOAL_KICK_R);
}

void MatchGame::stepGoalPause() {
  ++phaseCycles_;
  if (phaseCycles_ == 2) world_.ball = Ball{};
  // The players walk to their kick-off spots already; those who stand there keep standing
  // through the kick-off.
  int mode = KICK_OFF_L + kickOffSide_;
  walkToTargets(PLAYER_JOG_SPEED);
  if (phaseCycles_ >= GOAL_PAUSE_CYCLES) {
    // The pause before it keeps every earlier restart far enough away, so the kick-off may be
    // short.
    int standing = standCycles_;
    beginSetPlay(mode, {0, 0}, slotOf(kickOffSide_, KICK_OFF_TAKER), false);
    standCycles_ = standing;
    phaseCycles_ = SET_PLAY_CYCLES;
  }
}

void MatchGame::stepPlayOn() {
  stepBall(world_.ball);
  if (checkBallOut()) return;
  moveInPlay();
  resolveKicks();
}

bool MatchGame::checkBallOut() {
  const Ball& b = world_.ball;
  int other = 1 - possession_;
  if (std::fabs(b.x) > field::halfLength) {
    int defender = b.x > 0 ? 1 : 0;  // the team whose goal line the ball crossed
    int attacker = 1 - defender;
    double ySign = b.y >= 0 ? 1.0 : -1.0;
    double xSign = b.x > 0 ? 1.0 : -1.0;
    if (std::fabs(b.y) < field::goalHalfWidth) {
      ++score_[attacker];
      announce(std::string("goal_") + (attacker == 0 ? 'l' : 'r') + '_' +
               std::to_string(score_[attacker]));
      if (truth_.isOpen()) {
        truth_.writeLine("goal " + std::to_string(time_) + ' ' + (attacker == 0 ? 'l' : 'r') + ' ' +
                         std::to_string(score_[attacker]));
      }
      enterPhase(Phase::GoalPause);
      kickOffSide_ = defender;
      chooseTargets(KICK_OFF_L + defender);
      targets_[slotOf(defender, KICK_OFF_TAKER)] =
          habits_[defender].setPlay[KICK_OFF_L + defender][KICK_OFF_TAKER - 1];
      world_.ball.vx = world_.ball.vy = 0;
    } else if (possession_ == defender) {
      beginSetPlay(CORNER_KICK_L + attacker, {xSign * field::halfLength, ySign * field::halfWidth},
                   nearestFieldPlayer(attacker, {xSign * 50, ySign * 30}));
    } else {
      Spot spot = {xSign * (field::halfLength - field::goalAreaLength),
                   ySign * field::goalAreaHalfWidth};
      beginSetPlay(GOAL_KICK_L + defender, spot, slotOf(defender, GOALIE_NUMBER));
    }
    return true;
  }
  if (std::fabs(b.y) > field::halfWidth) {
    Spot spot = {std::clamp(b.x, -51.5, 51.5), b.y > 0 ? field::halfWidth : -field::halfWidth};
    beginSetPlay(KICK_IN_L + other, spot, nearestFieldPlayer(other, spot));
    return true;
  }
  return false;
}

void MatchGame::checkClock() {
  if (phase_ == Phase::Over) return;
  if (!halfDone_ && options_.halfTime > 0 && time_ >= options_.halfTime && time_ < endTime_) {
    halfDone_ = true;
    announce("half_time");
    secondStart_ = true;
    beginBeforeKickOff();
    return;
  }
  if (time_ < endTime_) return;
  if (options_.extraTime && !extended_ && score_[0] == score_[1]) {
    extended_ = true;
    endTime_ += options_.extraCycles;
    announce("time_extended");
    secondStart_ = true;
    beginBeforeKickOff();
    return;
  }
  announce("time_up");
  announce("time_over");
  phase_ = Phase::Over;
  if (truth_.isOpen()) {
    truth_.writeLine("score " + std::to_string(score_[0]) + ' ' + std::to_string(score_[1]));
  }
}

void MatchGame::writeTruth() {
  truth_.writeLine("# habits of the generated teams, field frame; seed " +
                   std::to_string(options_.seed));
  for (int side = 0; side < 2; ++side) {
    const char sideName = side == 0 ? 'l' : 'r';
    truth_.writeLine(std::string("team ") + sideName + ' ' + names_[side]);
    for (int n = 0; n < TEAM_SIZE; ++n) {
      const Spot& own = habits_[side].homeOwn[n];
      const Spot& opp = habits_[side].homeOpp[n];
      truth_.writeLine(std::string("home ") + sideName + " own " + std::to_string(n + 1) + ' ' +
                       numberText(own.x) + ' ' + numberText(own.y));
      truth_.writeLine(std::string("home ") + sideName + " opp " + std::to_string(n + 1) + ' ' +
                       numberText(opp.x) + ' ' + numberText(opp.y));
    }
    for (int mode = 0; mode < SET_PLAY_MODE_COUNT; ++mode) {
      for (int n = 0; n < TEAM_SIZE; ++n) {
        const Spot& spot = habits_[side].setPlay[mode][n];
        truth_.writeLine(std::string("setplay ") + sideName + ' ' + setPlayModeName(mode) + ' ' +
                         std::to_string(n + 1) + ' ' + numberText(spot.x) + ' ' +
                         numberText(spot.y));
      }
    }
  }
}
