// Ball and player physics of the match generator.
#include "sim/match_world.h"

#include <cmath>

namespace {
constexpr double pi = 3.141592654;
}

void stepBall(Ball& ball) {
  ball.x += ball.vx;
  ball.y += ball.vy;
  ball.vx *= BALL_DECAY;
  ball.vy *= BALL_DECAY;
  if (std::fabs(ball.vx) < 1e-4 && std::fabs(ball.vy) < 1e-4) ball.vx = ball.vy = 0;
}

void kickBall(Ball& ball, double speed, double direction) {
  if (speed > BALL_SPEED_MAX) speed = BALL_SPEED_MAX;
  ball.vx = speed * std::cos(direction * pi / 180);
  ball.vy = speed * std::sin(direction * pi / 180);
}

void movePlayer(Player& player, const Spot& target, double speed) {
  double dx = target.x - player.x;
  double dy = target.y - player.y;
  double d = std::hypot(dx, dy);
  if (d < 1e-3) {
    player.vx = player.vy = 0;
    return;
  }
  double step = d < speed ? d : speed;
  player.vx = dx / d * step;
  player.vy = dy / d * step;
  player.x += player.vx;
  player.y += player.vy;
  player.body = std::atan2(dy, dx) * 180 / pi;
}

double distanceBetween(double x1, double y1, double x2, double y2) {
  return std::hypot(x2 - x1, y2 - y1);
}

double directionTo(double x1, double y1, double x2, double y2) {
  if (x1 == x2 && y1 == y2) return 0;
  return std::atan2(y2 - y1, x2 - x1) * 180 / pi;
}
