// What a generated match really was: the teams' habits and what happened, as the truth file
// (--truth) holds them, so that a coach's advice can be compared with it.
#pragma once

#include <string>
#include <vector>

#include "sim/field.h"
#include "sim/set_play_kind.h"
#include "sim/team_habits.h"

// One set play as it was taken: its mode, the taker's uniform number and the ball's spot.
struct Restart {
  int cycle = 0;
  int mode = 0;
  int taker = 0;
  Spot ball;
};

struct MatchTruth {
  std::string names[2];  // team names of the left and the right side
  TeamHabits habits[2];  // by side, 0 left and 1 right
  std::vector<Restart> restarts;
  int goals[2] = {0, 0};  // goals announced so far (the final score once "score" is read)
};

// Reads a truth file. Lines: "team SIDE NAME", "home SIDE own|opp N X Y",
// "setplay SIDE MODE N X Y", "restart CYCLE MODE TAKER X Y", "goal CYCLE SIDE COUNT",
// "score LEFT RIGHT"; '#' lines are comments. False when the file cannot be read or a line
// is damaged.
bool readMatchTruth(const std::string& path, MatchTruth& truth);
