// The referee's hear messages and the play-mode classification.
#include "coach/referee.h"

#include <cstring>
#include <iostream>

#include "coach/intake_records.h"
#include "state/cycle_state.h"
#include "state/settings.h"

const char* const refereeModeNames[32] = {"",
                                          "before_kick_off",
                                          "time_over",
                                          "play_on",
                                          "kick_off_l",
                                          "kick_off_r",
                                          "kick_in_l",
                                          "kick_in_r",
                                          "free_kick_l",
                                          "free_kick_r",
                                          "corner_kick_l",
                                          "corner_kick_r",
                                          "goal_kick_l",
                                          "goal_kick_r",
                                          "goal_l",
                                          "goal_r",
                                          "drop_ball",
                                          "offside_l",
                                          "offside_r",
                                          "penalty_kick_l",
                                          "penalty_kick_r",
                                          "first_half_over",
                                          "pause",
                                          "human_judge",
                                          "foul_charge_l",
                                          "foul_charge_r",
                                          "foul_push_l",
                                          "foul_push_r",
                                          "foul_multiple_attack_l",
                                          "foul_multiple_attack_r",
                                          "foul_ballout_l",
                                          "foul_ballout_r"};

namespace {

void reportMalformed() {
  if (verbose) std::cerr << "Warning, malformed hear message ignored." << std::endl;
}

// Acts on the referee's text (already cut at its closing parenthesis).
void handleRefereeText(const char* said) {
  for (int mode = 0; mode < 32; ++mode) {
    if (std::strcmp(said, refereeModeNames[mode]) == 0) {
      if (verbose) std::cout << "New playmode: " << refereeModeNames[mode] << std::endl;
      if (mode == TIME_OVER) gameOver = true;
      currentPlayMode = static_cast<short>(mode);
      return;
    }
  }
  if (std::strncmp(said, "goal_l", 6) == 0) {
    ++leftGoals;
    currentPlayMode = GOAL_L;
  } else if (std::strncmp(said, "goal_r", 6) == 0) {
    ++rightGoals;
    currentPlayMode = GOAL_R;
  } else if (std::strncmp(said, "half_time", 9) == 0) {
    halfTimeSeen = true;
  } else if (std::strncmp(said, "time_extended", 13) == 0) {
    extendedTimeSeen = true;
  } else if (std::strncmp(said, "time_up", 7) == 0) {
    // The server's name for the final whistle: the game is over as with
    // "time_over". Like the other events here it writes no trace line.
    gameOver = true;
    currentPlayMode = TIME_OVER;
  } else if (verbose) {
    std::cerr << "Did not understand referee's playmode message:" << said << std::endl;
  }
}

}  // namespace

void parse_hear(char* text) {
  if (std::strncmp(text, "(hear", 5) != 0) return;
  if (std::strlen(text) < 6) return reportMalformed();
  char* afterTime = std::strchr(text + 6, ' ');
  if (afterTime == nullptr || afterTime[1] == '\0') return reportMalformed();
  char* sender = afterTime + 1;
  char* senderEnd = std::strchr(sender + 1, ' ');
  if (senderEnd == nullptr) return reportMalformed();
  *senderEnd = '\0';
  if (std::strcmp(sender, "referee") != 0) return;
  char* said = senderEnd + 1;
  char* close = std::strchr(said, ')');
  if (close == nullptr) return reportMalformed();
  *close = '\0';
  handleRefereeText(said);
}

int classifyPlayMode(int playMode, int side) {
  // Code by play mode for the own team on the left; on the right the two
  // sides of every set play exchange and so do the goals.
  static const int left[16] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 16, 17};
  static const int right[16] = {0, 1, 2, 3, 5, 4, 7, 6, 9, 8, 11, 10, 13, 12, 17, 16};
  if (playMode >= 0 && playMode <= 15) return side == 1 ? left[playMode] : right[playMode];
  if (playMode >= 16 && playMode <= 18) return 0;
  std::cerr << "Warning, strange playmode." << std::endl;
  return 0;
}

int classifyPlayMode(const CycleState& state) {
  return classifyPlayMode(state.getPlayMode(), ownSide);
}
