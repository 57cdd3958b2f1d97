// Recognising kicks: a ball that speeds up was kicked by the player who
// controls it, and a state records which sides kicked in it.
#pragma once

#include "state/history.h"

// When the newest state's ball velocity grew in |vx| or |vy| over the state
// before it, registers a kick on the newest state. Needs two states.
void checkForKick(StateHistory& history);

// Marks the owner of state (if any) KICKED and updates its kickers.
void registerKick(CycleState& state);

// Adds the side of every KICKED record to kickers (1 left, 2 right, 3 both).
void updateKickers(CycleState& state);
