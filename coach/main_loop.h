// The coach's main loop: sleep until a signal has been handled, then run one
// iteration (the trainer's game control, or the coach's two turns).
#pragma once

#include <signal.h>

// One trainer iteration: restarts the game with "(start)" after a half-time
// announcement and turns an extended-time announcement into the game's end.
// True when the game is over.
bool runTrainerIteration();

// Loops for ever with the wait mask of install_signal_handlers. In trainer
// mode, once the game is over, closes the link, writes the statistics and ends
// the process with status 0.
[[noreturn]] void run_main_loop(const sigset_t& mask);
