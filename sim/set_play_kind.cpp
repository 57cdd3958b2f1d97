// Names of the set-play modes.
#include "sim/set_play_kind.h"

#include <cstring>

namespace {
const char* const names[SET_PLAY_MODE_COUNT] = {
    "before_kick_off", "kick_off_l",    "kick_off_r",    "kick_in_l",   "kick_in_r",  "free_kick_l",
    "free_kick_r",     "corner_kick_l", "corner_kick_r", "goal_kick_l", "goal_kick_r"};
}

const char* setPlayModeName(int mode) {
  return mode >= 0 && mode < SET_PLAY_MODE_COUNT ? names[mode] : "";
}

int setPlayModeOfName(const char* name) {
  for (int mode = 0; mode < SET_PLAY_MODE_COUNT; ++mode) {
    if (std::strcmp(names[mode], name) == 0) return mode;
  }
  return -1;
}
