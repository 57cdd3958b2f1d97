// Process-wide settings of the coach runtime, fixed during start-up and read
// everywhere else. They live in the lowest library that reads them (the cycle
// state needs the team names), so every library above can see them.
#pragma once

#include <string>

extern bool verbose;               // "-v": write the trace to standard output
extern bool trainerMode;           // "-T": connect as trainer, not as coach
extern std::string teamName;       // "-t": the own team's name, empty by default
extern std::string opponentName;   // always "opponent"
extern int ownSide;                // 1 = own team plays left, -1 = right, 0 = unset (trainer)

// Puts every setting back to its value before the command line is read.
void resetSettings();
