// Possession-loss marks.
#include "state/possession_loss.h"

#include "state/recogniser_limits.h"

void markPossessionLoss(CycleState& state) {
  const int side = state.possessionSide;
  if (side == 0) return;
  CycleState* s = state.previous;
  bool lost = false;
  for (int i = 1; i < LOOK_BACK && s != nullptr; ++i, s = s->previous) {
    if (s->possessionSide == side) return;
    if (s->possessionSide != 0) {
      lost = true;  // the ball has just come over from the other side
      break;
    }
  }
  if (!lost) return;
  for (int j = 1; j < LOOK_BACK && s != nullptr && s->possessionSide != side;
       ++j, s = s->previous) {
    s->cyclesToLoss = static_cast<int16_t>(j);
  }
}
