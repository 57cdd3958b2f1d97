// Process-wide values of the coach's two turns and of the analyses they call:
// the turns' timers, the toggles that make some analyses work only every
// second call, and the lock of the offside-line routine.
#pragma once

#include <cstdint>

#include "coach_language/cm_token.h"

// Advice turn.
extern std::int16_t lastAdviceTime;  // currentTime of the last advice turn; starts at 15
extern bool adviceToggle;            // argument of the next buildCopsRule call; starts true
extern TokenList adviceTokens;       // rules gathered in one turn

// Analyses.
extern bool copsToggle;     // inverted by every buildCopsRule call; starts false
extern bool setPlayToggle;  // inverted by every learnSetPlays call; starts true

// Offside-line turn.
extern bool olineLock;                    // set while markOlinePositioning runs
extern std::int16_t lastOffsideLineTime;  // cycle of the last completed offside-line turn; starts 0

// Puts every value back to its value at start-up (used by tests).
void resetAdviceRecords();
