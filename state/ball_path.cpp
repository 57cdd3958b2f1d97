// Ball displacement between states and the reach of a decaying ball.
#include "state/ball_path.h"

#include "geometry/distance.h"

namespace {
constexpr double kFarthestReach = 100;
constexpr double kSlowestBall = 0.01;
constexpr double kBallDecay = 0.8;
}  // namespace

BallMovement ballMovement(const CycleState& state) {
  if (state.previous == nullptr) return BallMovement{0, 0};
  const Point from = state.previous->ballPos;
  const Point to = state.ballPos;
  return BallMovement{distance(from.x, from.y, to.x, to.y), direction(from.x, from.y, to.x, to.y)};
}

bool ballReaches(double distance, double speed) {
  // A distance that is not a number (a path from a ball far out of the field)
  // is never reached: with an infinite speed the loop below would not end.
  if (!(distance <= kFarthestReach)) return false;
  // The speed test comes first in every round, so a ball whose last step passes
  // the distance but then falls to the slowest speed does not reach it. The
  // negated comparison also ends the loop for a speed that is not a number.
  while (true) {
    if (!(speed > kSlowestBall)) return false;
    if (distance < 0) return true;
    distance -= speed;
    speed *= kBallDecay;
  }
}
