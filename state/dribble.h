// Recognising a dribble: the owner kicked the ball and, with nobody else
// touching it, controls it again more than 1.5 from where he kicked it.
#pragma once

#include "state/cycle_state.h"

// Sets state's dribbler to its owner when, walking back at most 40 states over
// states owned by the same player or by nobody, one where he kicked lies more
// than 1.5 from his position now. Not again for a dribble of his recognised in
// the last 18 states.
void detectDribble(CycleState& state);
