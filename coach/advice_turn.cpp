#include "coach/advice_turn.h"

// Placeholder until the analysis lands.
void runAdviceTurn() {}
void runOffsideLineTurn() {}
