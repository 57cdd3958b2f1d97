// Dribble recognition.
#include "state/dribble.h"

#include "geometry/distance.h"
#include "state/recogniser_limits.h"

namespace {
constexpr double kDribbleDistance = 1.5;
constexpr int kRecentDribbleWindow = 18;
}  // namespace

void detectDribble(CycleState& state) {
  const int owner = state.owner;
  if (owner < 0 || owner > 21) return;
  const PlayerState& now = state.players[owner];
  const CycleState* current = &state;
  for (int i = 0; current->previous != nullptr && i < LOOK_BACK; ++i) {
    const CycleState* s = current->previous;
    if (s->dribbler == owner && i < kRecentDribbleWindow) return;
    if (s->owner != owner && s->owner != -1) return;  // another player had the ball
    if (s->owner == owner) {
      const PlayerState& then = s->players[owner];
      if (distance(now.x, now.y, then.x, then.y) > kDribbleDistance && then.action == KICKED) {
        state.dribbler = owner;
        return;
      }
    }
    current = s;
  }
}
