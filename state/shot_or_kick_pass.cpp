// Shot and kick-based pass recognition from the ball's path after a kick.
#include "state/shot_or_kick_pass.h"

#include <cmath>

#include "geometry/angles.h"
#include "geometry/distance.h"
#include "geometry/rays.h"
#include "state/ball_path.h"
#include "state/recogniser_limits.h"

namespace {
constexpr double kGoalLineX = 52.5;
constexpr double kPostY = 7.02;
constexpr double kGoalLineTolerance = 1.5;
constexpr double kLeastReceiverDistance = 2.6;
constexpr double kLateralTolerance = 2.1;
constexpr double kNoDistance = 1000;

// Writes the countdown field (cyclesToShot or cyclesToPass) from the kicking
// state backwards: 0, 1, 2 ... into unmarked play_on states, at most LOOK_BACK.
void markBack(CycleState* s, int16_t CycleState::*field) {
  for (int k = 0; s != nullptr && s->*field == NO_EVENT && k < LOOK_BACK && s->playMode == PLAY_ON;
       ++k, s = s->previous) {
    s->*field = static_cast<int16_t>(k);
  }
}

// Distance from the ball to where its path crosses the goal line goalX, when
// the path heads between the posts (the post directions taken right post first
// as seen by the shooter); kNoDistance otherwise.
double shotDistance(Point ball, Point path, double moveAngle, double goalX, double firstPostY,
                    double secondPostY) {
  const double a1 = normalizeAngle(direction(ball.x, ball.y, goalX, firstPostY));
  const double a2 = normalizeAngle(direction(ball.x, ball.y, goalX, secondPostY));
  if (!betweenAngles(moveAngle, a2, a1)) return kNoDistance;
  const Point c = rayCrossingX(ball.x, ball.y, path.x, path.y, goalX);
  if (std::fabs(c.x - goalX) < kGoalLineTolerance) return distance(ball.x, ball.y, c.x, c.y);
  return kNoDistance;
}

// Tries every kicker of previous against every teammate of state; the first
// pair whose teammate the path runs past is recorded.
void detectKickPass(CycleState& state, Point path, double speed) {
  CycleState& previous = *state.previous;
  const Point ball = state.ballPos;
  int first = 0;
  int last = 10;
  if (previous.kickers == 2) {
    first = 11;
    last = 21;
  } else if (previous.kickers == 3) {
    last = 21;
  }
  for (int k = first; k <= last; ++k) {
    if (previous.players[k].action != KICKED) continue;
    const int mateFirst = k <= 10 ? 0 : 11;
    for (int t = mateFirst; t <= mateFirst + 10; ++t) {
      if (t == k) continue;
      const double tx = state.players[t].x;
      const double ty = state.players[t].y;
      if (distance(ball.x, ball.y, tx, ty) < kLeastReceiverDistance) continue;
      const Point p1 = rayCrossingX(ball.x, ball.y, path.x, path.y, tx);
      const Point p2 = rayCrossingY(ball.x, ball.y, path.x, path.y, ty);
      double e = kNoDistance;
      if (p1.x == tx && p2.y == ty &&
          (std::fabs(p1.y - ty) < kLateralTolerance || std::fabs(p2.x - tx) < kLateralTolerance)) {
        e = distance(ball.x, ball.y, p1.x, p1.y);
      }
      if (!ballReaches(e, speed)) continue;
      previous.passSide = static_cast<int16_t>(sideOfSlot(t));
      previous.passer = static_cast<int16_t>(k % 11 + 1);
      previous.receiver = static_cast<int16_t>(t % 11 + 1);
      markBack(&previous, &CycleState::cyclesToPass);
      return;
    }
  }
}
}  // namespace

void detectShotOrKickPass(CycleState& state) {
  if (state.previous == nullptr) return;
  const BallMovement move = ballMovement(state);
  const Point path{cosDeg(move.direction) * move.distance, sinDeg(move.direction) * move.distance};
  const double moveAngle = normalizeAngle(move.direction);
  const int kickers = state.previous->kickers;

  double d = kNoDistance;
  if (kickers == 1 || kickers == 3) {
    d = shotDistance(state.ballPos, path, moveAngle, kGoalLineX, kPostY, -kPostY);
  }
  if ((kickers == 2 || kickers == 3) && d == kNoDistance) {
    d = shotDistance(state.ballPos, path, moveAngle, -kGoalLineX, -kPostY, kPostY);
  }
  if (ballReaches(d, move.distance)) markBack(state.previous, &CycleState::cyclesToShot);

  detectKickPass(state, path, move.distance);
}
