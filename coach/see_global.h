// Parser of the server's global views: turns each "(see_global ...)" or
// "(see ...)" message into one cycle state of the history, and keeps the
// trainer's end-of-game statistics.
#pragma once

// Parses one view (modified in place), sets currentTime, appends the state and,
// in trainer mode, counts the statistics. Ends the process with status 1 on a
// text that is no view or an object of unknown kind; a damaged object is skipped
// with a warning.
void parse_see_global(char* text);

// Writes the trainer statistics as three lines ("l,", "r,", "x,") to standard error.
void print_statistics();
