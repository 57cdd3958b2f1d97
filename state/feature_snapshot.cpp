// Writes the snapshot file of a cycle state.
#include "state/feature_snapshot.h"

#include <cstdio>

#include "state/cycle_state.h"

bool writeSnapshot(const CycleState& state, const std::string& fileName) {
  FILE* file = std::fopen(fileName.c_str(), "w");
  if (file == nullptr) {
    std::fprintf(stderr, "Warning, cannot write snapshot %s.\n", fileName.c_str());
    return false;
  }
  std::fprintf(file, "b %lf %lf\n", state.ball.x, state.ball.y);
  for (int slot = 0; slot < 22; ++slot) {
    const PlayerState& player = state.players[slot];
    std::fprintf(file, "p %d %lf %lf %d\n", slot, player.x, player.y, state.playerTags[slot]);
  }
  return std::fclose(file) == 0;
}
