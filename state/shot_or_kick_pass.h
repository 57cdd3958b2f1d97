// Recognising, from the ball's path right after a kick, a shot on goal and a
// pass to a teammate whose position the path runs past.
#pragma once

#include "state/cycle_state.h"

// Run when state's previous holds a kick: marks cyclesToShot back from the
// kicking state when the ball will reach the goal line between the posts of the
// goal the kicker attacks, and a pass (passSide, passer, receiver, cyclesToPass)
// when it will run past a teammate at least 2.6 from the ball. Both can happen.
void detectShotOrKickPass(CycleState& state);
