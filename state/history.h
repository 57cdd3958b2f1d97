// The history of the game: every cycle state since start-up, oldest first. It
// only grows, so a state's address and its previous link stay valid all run.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "state/cycle_state.h"

using StateHistory = std::vector<std::unique_ptr<CycleState>>;

// The process-wide history every analysis reads (newest state at back()).
// Appending must not overlap a reader that holds a position in it.
StateHistory& stateHistory();

// Empties the history (tests and offline readers only).
void resetStateHistory();

// Builds the state of one view with the newest state as its predecessor and the
// names teamName/opponentName of the settings, appends it and runs the kick check.
void appendState(const PlayerRecords& players, const BallState& ball, int16_t time,
                 int32_t playMode);
