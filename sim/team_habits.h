// The habits of one team that a coach can learn: home spots of a formation by possession and
// a fixed spot per player at every kind of set play. All spots are in the field frame.
#pragma once

#include <cstdint>

#include "sim/field.h"
#include "sim/set_play_kind.h"

constexpr int TEAM_SIZE = 11;
constexpr int GOALIE_NUMBER = 1;
constexpr int KICK_OFF_TAKER = 10;  // uniform number of the player taking a kick-off

struct TeamHabits {
  int side = 0;  // 0 left (attacks towards +x), 1 right (attacks towards -x)
  // Home spots by uniform number - 1: while the own team has the ball, and while the opponent
  // has it.
  Spot homeOwn[TEAM_SIZE];
  Spot homeOpp[TEAM_SIZE];
  // Set-play spots by mode and uniform number - 1. The taker of a set play goes to the ball
  // instead (except at a kick-off, whose taker's spot is next to the centre spot).
  Spot setPlay[SET_PLAY_MODE_COUNT][TEAM_SIZE];
};

// Builds the habits of the team on side (0 left, 1 right) from the match seed: one of two
// formations with home spots near the middle of the field sections, and set-play spots drawn
// around each kind's pattern. The same seed and side always give the same habits.
TeamHabits makeTeamHabits(uint64_t seed, int side);

// The home spot of player index (number - 1) while his team has (ownBall) or has not the ball,
// shifted moderately towards the ball: by 7 % of the ball's coordinates, so it stays in the
// field section of the unshifted spot.
Spot shiftedHome(const TeamHabits& habits, int index, bool ownBall, const Spot& ball);
