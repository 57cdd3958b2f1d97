// The process-wide history of cycle states and the append of one view.
#include "state/history.h"

#include "state/kicks.h"
#include "state/settings.h"

StateHistory& stateHistory() {
  static StateHistory history;
  return history;
}

void resetStateHistory() {
  stateHistory().clear();
}

void appendState(const PlayerRecords& players, const BallState& ball, int16_t time,
                 int32_t playMode) {
  StateHistory& history = stateHistory();
  CycleState* previous = history.empty() ? nullptr : history.back().get();
  history.push_back(std::make_unique<CycleState>(players, ball, time, previous, teamName,
                                                 opponentName, playMode));
  checkForKick(history);
}
