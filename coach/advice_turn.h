// The coach's two turns, run by the main loop in every coach-mode iteration:
// the advice turn (opponent positions and set plays, sent as info) and the
// offside-line turn (offside line, marking and positioning, sent as advice).
#pragma once

// Runs the advice turn when more than adviceInterval cycles have passed since
// the last one; does nothing before the server parameters have arrived.
void runAdviceTurn();

// Runs the offside-line turn on the same interval, with its own timer.
void runOffsideLineTurn();
