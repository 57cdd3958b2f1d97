// Marking the states before the ball went over to the other side.
#pragma once

#include "state/cycle_state.h"

// When the nearest earlier state with a known side (at most 39 back) belongs to
// the other side, marks cyclesToLoss 1, 2, ... from it backwards over the states
// not held by state's side (at most 39), whatever the play mode.
void markPossessionLoss(CycleState& state);
