// How the ball moved between two states and how far a rolling ball gets.
#pragma once

#include "state/cycle_state.h"

struct BallMovement {
  double distance;   // metres from the previous state's ball position
  double direction;  // degrees, -180..180, not normalised
};

// Distance and direction from the previous state's ball position to this
// state's; (0, 0) when the state has no previous.
BallMovement ballMovement(const CycleState& state);

// Whether a ball now moving speed metres per cycle, losing a fifth of its speed
// each cycle, travels more than distance (never beyond 100 nor a distance that
// is not a number; it stops once its speed is 0.01 or less).
bool ballReaches(double distance, double speed);
