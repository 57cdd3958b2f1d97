// Kick recognition from the growth of the ball's velocity.
#include "state/kicks.h"

#include <cmath>

void checkForKick(StateHistory& history) {
  if (history.size() < 2) return;
  const BallState& p = history[history.size() - 2]->ball;
  CycleState& newest = *history.back();
  const BallState& c = newest.ball;
  if (std::fabs(c.vx) > std::fabs(p.vx) || std::fabs(c.vy) > std::fabs(p.vy)) {
    registerKick(newest);
  }
}

void registerKick(CycleState& state) {
  if (state.owner < 0 || state.owner > 21) return;
  state.players[state.owner].action = KICKED;
  updateKickers(state);
}

void updateKickers(CycleState& state) {
  // kickers is a two-bit set: 1 for the left side, 2 for the right.
  for (int slot = 0; slot < 22; ++slot) {
    if (state.players[slot].action == KICKED) state.kickers |= sideOfSlot(slot) == 1 ? 1 : 2;
  }
}
