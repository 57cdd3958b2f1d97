// The kinds of set play a team has fixed spots for, each for either side, with their play-mode
// names as the referee announces them.
#pragma once

// Indices of the set-play modes: before kick-off, then each kind for the left and the right
// side (the side taking it).
enum SetPlayMode {
  BEFORE_KICK_OFF = 0,
  KICK_OFF_L,
  KICK_OFF_R,
  KICK_IN_L,
  KICK_IN_R,
  FREE_KICK_L,
  FREE_KICK_R,
  CORNER_KICK_L,
  CORNER_KICK_R,
  GOAL_KICK_L,
  GOAL_KICK_R,
  SET_PLAY_MODE_COUNT
};

// The referee's name of a set-play mode ("before_kick_off", "kick_off_l", ...); "" outside.
const char* setPlayModeName(int mode);
// The mode of a referee name, -1 for a name that is not a set-play mode.
int setPlayModeOfName(const char* name);
// The mode of kind (KICK_OFF_L, KICK_IN_L, ...: the left variant) taken by side 0 (left) or 1.
inline int setPlayModeFor(int leftVariant, int takingSide) {
  return leftVariant + takingSide;
}
// The side taking the mode: 0 left, 1 right, -1 for before kick-off.
inline int takingSideOf(int mode) {
  return mode == BEFORE_KICK_OFF ? -1 : (mode - 1) % 2;
}
