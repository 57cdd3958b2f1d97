// Owner-change pass recognition.
#include "state/owner_change_pass.h"

#include "state/recogniser_limits.h"

namespace {
// The owner of s kicked the ball in s.
bool ownerKicked(const CycleState& s) {
  return s.owner >= 0 && s.owner <= 21 && s.players[s.owner].action == KICKED;
}

// The kicking state of the pass that ends in state, or nullptr.
CycleState* findPassKick(const CycleState& state) {
  const int side = state.possessionSide;
  int opposing = 0;  // consecutive states held by the other side
  CycleState* s = state.previous;
  for (int i = 1; i < LOOK_BACK && s->cyclesToPass == NO_EVENT && s->playMode == PLAY_ON; ++i) {
    if (s->possessionSide != 0 && s->possessionSide != side) {
      if (opposing > 1) return nullptr;     // a third opposing state in a row
      if (ownerKicked(*s)) return nullptr;  // the other side kicked
      ++opposing;
    } else {
      opposing = 0;
      if (s->possessionSide == side) {
        if (s->owner == state.owner) return nullptr;  // the same player had it before
        if (ownerKicked(*s)) return s;
      }
    }
    s = s->previous;
    if (s == nullptr) return nullptr;
  }
  return nullptr;
}
}  // namespace

void detectPass(CycleState& state) {
  if (state.previous == nullptr || state.possessionSide == 0 || state.owner == -1 ||
      state.previous->owner == state.owner) {
    return;
  }
  CycleState* s = findPassKick(state);
  if (s == nullptr) return;
  s->passSide = static_cast<int16_t>(sideOfSlot(s->owner));
  s->passer = static_cast<int16_t>(s->owner % 11 + 1);
  s->receiver = static_cast<int16_t>(state.owner % 11 + 1);
  // The history's first state is never marked.
  for (int count = 0; s->previous != nullptr && count < LOOK_BACK && s->cyclesToPass == NO_EVENT &&
                      s->playMode == PLAY_ON;
       ++count, s = s->previous) {
    s->cyclesToPass = static_cast<int16_t>(count);
  }
}
