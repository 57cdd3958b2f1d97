// Recognising a pass from a change of ball owner within one side.
#pragma once

#include "state/cycle_state.h"

// When state's owner differs from the previous state's: walks back (at most 39
// states, play_on and unmarked only) to the side's last kicking owner; when that
// is another player of the same side, with no opposing kick and at most two
// opposing states in a row between, the kicking state gets passSide, passer and
// receiver, and cyclesToPass is marked from it backwards.
void detectPass(CycleState& state);
