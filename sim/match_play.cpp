// The play of a generated match in play_on: who runs where, who kicks, and what the kicks are
// (passes, dribbles, shots, clearances), and the goalkeepers' catches.
#include <algorithm>
#include <cmath>

#include "sim/match_game.h"
#include "sim/segment_distance.h"

namespace {

constexpr double SHOOTING_RANGE = 20.0;  // distance to the goal's centre from which players shoot
constexpr double CATCH_DISTANCE = 1.5;
constexpr int KICK_COOLDOWN = 3;
constexpr int LOOKAHEAD = 40;
constexpr double PRESS_SPEED = 0.55;

int sideOfSlot(int slot) {
  return slot < TEAM_SIZE ? 0 : 1;
}
double attackOf(int side) {
  return side == 0 ? 1.0 : -1.0;
}
bool isGoalieSlot(int slot) {
  return slot % TEAM_SIZE == GOALIE_NUMBER - 1;
}

}  // namespace

bool MatchGame::insideOwnPenaltyArea(int side, double x, double y) const {
  double goalX = side == 0 ? -field::halfLength : field::halfLength;
  return std::fabs(x - goalX) <= field::penaltyLength && std::fabs(y) <= field::penaltyHalfWidth;
}

int MatchGame::nearestFieldPlayer(int side, Spot spot) const {
  int best = side * TEAM_SIZE + 1;
  double bestDistance = 1e9;
  for (int n = 1; n < TEAM_SIZE; ++n) {
    int slot = side * TEAM_SIZE + n;
    double d = distanceBetween(world_.players[slot].x, world_.players[slot].y, spot.x, spot.y);
    if (d < bestDistance) {
      bestDistance = d;
      best = slot;
    }
  }
  return best;
}

int MatchGame::interceptTime(int slot, Spot& where) const {
  Ball ball = world_.ball;
  const Player& p = world_.players[slot];
  for (int k = 0; k < LOOKAHEAD; ++k) {
    // Nobody runs for a ball that is going out before he could reach it.
    if (std::fabs(ball.x) > field::halfLength || std::fabs(ball.y) > field::halfWidth) break;
    if (distanceBetween(p.x, p.y, ball.x, ball.y) <=
        k * PLAYER_RUN_SPEED + KICKABLE_DISTANCE * 0.5) {
      where = {ball.x, ball.y};
      return k;
    }
    stepBall(ball);
  }
  where = {ball.x, ball.y};
  return LOOKAHEAD + static_cast<int>(distanceBetween(p.x, p.y, ball.x, ball.y));
}

void MatchGame::moveInPlay() {
  const Spot ball = {world_.ball.x, world_.ball.y};
  for (int side = 0; side < 2; ++side) {
    // The player of each side who gets to the ball first goes for it; the goalkeeper only
    // inside his penalty area.
    int chaser = -1;
    int chaserTime = 1 << 30;
    Spot chaserSpot;
    for (int n = 0; n < TEAM_SIZE; ++n) {
      int slot = side * TEAM_SIZE + n;
      Spot where;
      int t = interceptTime(slot, where);
      if (n == GOALIE_NUMBER - 1 && !insideOwnPenaltyArea(side, where.x, where.y)) continue;
      if (t < chaserTime) {
        chaserTime = t;
        chaser = slot;
        chaserSpot = where;
      }
    }
    for (int n = 0; n < TEAM_SIZE; ++n) {
      int slot = side * TEAM_SIZE + n;
      Player& player = world_.players[slot];
      if (slot == chaser) {
        // The side on the ball runs for it; the other side presses a little slower.
        movePlayer(player, chaserSpot, possession_ == side ? PLAYER_RUN_SPEED : PRESS_SPEED);
        continue;
      }
      Spot home = shiftedHome(habits_[side], n, possession_ == side, ball);
      if (n == GOALIE_NUMBER - 1 && possession_ != side && lastKickFast_ &&
          world_.ball.vx * attackOf(side) < 0) {
        // A shot on the way: the goalkeeper steps across to where the ball crosses his line.
        double steps = (player.x - world_.ball.x) / world_.ball.vx;
        if (steps > 0 && steps < 30) {
          home.y = std::clamp(world_.ball.y + world_.ball.vy * steps, -field::goalHalfWidth,
                              field::goalHalfWidth);
          home.x = player.x;
          movePlayer(player, home, 0.7);
          continue;
        }
      }
      double far = distanceBetween(player.x, player.y, home.x, home.y);
      movePlayer(player, home, far > 3 ? PLAYER_RUN_SPEED : PLAYER_JOG_SPEED);
    }
  }
}

void MatchGame::resolveKicks() {
  const Ball& b = world_.ball;
  int kicker = -1;
  double best = KICKABLE_DISTANCE;
  for (int slot = 0; slot < 2 * TEAM_SIZE; ++slot) {
    const Player& p = world_.players[slot];
    double d = distanceBetween(p.x, p.y, b.x, b.y);
    int side = sideOfSlot(slot);
    if (isGoalieSlot(slot) && d <= CATCH_DISTANCE && possession_ != side && lastKickFast_ &&
        insideOwnPenaltyArea(side, b.x, b.y) && random_.chance(0.3)) {
      // The goalkeeper only gets a hand to it: the ball goes off him towards his goal line.
      possession_ = side;
      lastKickFast_ = false;
      world_.players[slot].cooldown = KICK_COOLDOWN;
      double away = side == 0 ? 180 : 0;
      kickBall(world_.ball, 1.6,
               away + (b.y >= 0 ? -1 : 1) * attackOf(side) * random_.uniform(40, 70));
      return;
    }
    if (isGoalieSlot(slot) && d <= CATCH_DISTANCE && possession_ != side && lastKickFast_ &&
        insideOwnPenaltyArea(side, b.x, b.y)) {
      // The goalkeeper catches a shot or long ball of the other side.
      const char letter = side == 0 ? 'l' : 'r';
      announce(std::string("goalie_catch_ball_") + letter);
      possession_ = side;
      lastKickFast_ = false;
      Spot hands = {p.x + 0.5 * attackOf(side), p.y};
      beginSetPlay(FREE_KICK_L + side, hands, slot);
      return;
    }
    if (p.cooldown == 0 && d <= best) {
      best = d;
      kicker = slot;
    }
  }
  if (kicker >= 0) kickBy(kicker);
}

void MatchGame::kickBy(int slot) {
  int side = sideOfSlot(slot);
  Player& p = world_.players[slot];
  possession_ = side;
  p.cooldown = KICK_COOLDOWN;
  double attack = attackOf(side);
  double goalX = attack * field::halfLength;
  double toGoal = distanceBetween(p.x, p.y, goalX, 0);
  if (isGoalieSlot(slot)) {
    passBy(slot, true);
    return;
  }
  if (toGoal < SHOOTING_RANGE) {
    double aim = random_.uniform(-9, 9);
    lastKickFast_ = true;
    kickBall(world_.ball, BALL_SPEED_MAX,
             directionTo(p.x, p.y, goalX, aim) + random_.uniform(-3, 3));
    return;
  }
  double pressure = 1e9;
  for (int n = 0; n < TEAM_SIZE; ++n) {
    const Player& o = world_.players[(1 - side) * TEAM_SIZE + n];
    pressure = std::min(pressure, distanceBetween(p.x, p.y, o.x, o.y));
  }
  bool ownThird = (p.x * attack) < -25;
  if (ownThird && pressure < 6 && random_.chance(0.6)) {
    // Clearance: a long ball forward, often into touch.
    lastKickFast_ = true;
    double wing = (p.y >= 0 ? 1.0 : -1.0) * attack;  // towards the nearer touch line
    kickBall(world_.ball, random_.uniform(2.4, 3.0),
             (attack > 0 ? 0 : 180) + wing * random_.uniform(25, 75));
    return;
  }
  if (pressure > 3 && random_.chance(0.6)) {
    // Dribble: a short kick towards the goal; the player runs after it.
    double direction = directionTo(p.x, p.y, goalX, 0) + random_.uniform(-25, 25);
    if (std::fabs(p.y) > 28) direction = (attack > 0 ? 0 : 180) - (p.y > 0 ? 1 : -1) * 20 * attack;
    lastKickFast_ = false;
    kickBall(world_.ball, random_.uniform(0.9, 1.2), direction);
    return;
  }
  passBy(slot, false);
}

void MatchGame::passBy(int slot, bool longBall) {
  int side = sideOfSlot(slot);
  const Player& p = world_.players[slot];
  double attack = attackOf(side);
  possession_ = side;
  world_.players[slot].cooldown = KICK_COOLDOWN;
  int receiver = -1;
  double bestScore = -1e9;
  for (int n = 1; n < TEAM_SIZE; ++n) {
    int mate = side * TEAM_SIZE + n;
    if (mate == slot) continue;
    const Player& m = world_.players[mate];
    double d = distanceBetween(p.x, p.y, m.x, m.y);
    if (d < 6 || d > (longBall ? 50 : 35)) continue;
    double open = 1e9;
    double lane = 1e9;
    for (int k = 0; k < TEAM_SIZE; ++k) {
      const Player& o = world_.players[(1 - side) * TEAM_SIZE + k];
      open = std::min(open, distanceBetween(m.x, m.y, o.x, o.y));
      lane = std::min(lane, distanceToSegment(o.x, o.y, p.x, p.y, m.x, m.y));
    }
    double score = (m.x - p.x) * attack * 1.0 + std::min(open, 10.0) + std::min(lane, 5.0) * 2 -
                   0.1 * d + random_.uniform(0, 6);
    if (score > bestScore) {
      bestScore = score;
      receiver = mate;
    }
  }
  if (receiver < 0) {
    lastKickFast_ = true;
    kickBall(world_.ball, 2.5, (attack > 0 ? 0 : 180) + random_.uniform(-40, 40));
    return;
  }
  const Player& m = world_.players[receiver];
  double d = distanceBetween(p.x, p.y, m.x, m.y);
  lastKickFast_ = d > 25;
  // Now and then a pass goes badly astray.
  double spread = random_.chance(0.1) ? 35 : 6;
  kickBall(world_.ball, std::clamp(0.08 * d + 1.2, 1.6, BALL_SPEED_MAX),
           directionTo(world_.ball.x, world_.ball.y, m.x, m.y) + random_.uniform(-spread, spread));
}
