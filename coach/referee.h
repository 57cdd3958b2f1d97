// Referee announcements: the play-mode numbering, the current play mode, the
// trainer's flags and goals, and the classification of a play mode as seen
// from the own team's side.
#pragma once

class CycleState;

// Play-mode names by number (0 to 31); number 0 is the empty text.
extern const char* const refereeModeNames[32];
// Numbers of the play modes the coach acts on by name.
constexpr int TIME_OVER = 2;
constexpr int GOAL_L = 14;
constexpr int GOAL_R = 15;

// Handles "(hear T SENDER TEXT)" in place (writes zero bytes into text). Only
// the sender "referee" is used: sets currentPlayMode, gameOver, halfTimeSeen,
// extendedTimeSeen, leftGoals, rightGoals. A message without the blank after
// the sender or without the closing parenthesis is ignored.
void parse_hear(char* text);

// Set-play code (0 to 17) of playMode seen from side (1 = own team plays left,
// anything else = right). Unknown play modes give 0 with a warning.
int classifyPlayMode(int playMode, int side);

// The code of the state's play mode for ownSide.
int classifyPlayMode(const CycleState& state);
