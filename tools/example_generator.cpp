// Selection of learner examples from the history and their line format.
#include "tools/example_generator.h"

#include <cmath>
#include <sstream>

#include "state/cycle_state.h"

namespace {

// kickers holds 1 for the left side and 2 for the right side (3 for both).
bool kickedBy(const CycleState& state, int side) {
  return (state.kickers & (side == 1 ? 1 : 2)) != 0;
}

double sectorOf(double direction, double sectorAngle) {
  if (!(sectorAngle > 0)) return direction;
  double turned = std::fmod(direction, 360.0);
  if (turned < 0) turned += 360.0;
  return std::floor(turned / sectorAngle);
}

}  // namespace

bool startsAction(const CycleState& state, int labelIndex, int side) {
  switch (labelIndex) {
    case LABEL_PASS:
      return state.cyclesToPass == 0 && state.passSide == side;
    case LABEL_DRIBBLE:
      return state.dribbler >= 0 && sideOfSlot(state.dribbler) == side;
    case LABEL_SHOOT:
      return state.cyclesToShot == 0 && kickedBy(state, side);
    default:
      return false;
  }
}

bool holdsWithoutAction(const CycleState& state, int labelIndex, int side) {
  return state.owner >= 0 && sideOfSlot(state.owner) == side &&
         !startsAction(state, labelIndex, side);
}

std::string exampleLine(const CycleState& state, double sectorAngle) {
  std::ostringstream line;
  line << state.ballPos.x << ',' << state.ballPos.y << ',' << state.possessionSide;
  for (const PlayerState& entry : state.nearestToBall) {
    line << ',' << entry.side << ',' << sectorOf(entry.ballDirection, sectorAngle) << ','
         << entry.ballDistance;
  }
  line << ',' << state.cyclesToPass << ',' << state.cyclesToShot << ',' << state.cyclesToLoss;
  return line.str();
}

std::vector<std::string> generateExamples(const CycleState* start, int cycles, int labelIndex,
                                          int side, int kind, double sectorAngle) {
  std::vector<std::string> lines;
  const CycleState* state = start;
  for (int i = 0; i < cycles && state != nullptr; ++i, state = state->previous) {
    bool positive = startsAction(*state, labelIndex, side);
    bool negative = !positive && holdsWithoutAction(*state, labelIndex, side);
    if (kind == POSITIVE_EXAMPLES && positive) {
      lines.push_back(exampleLine(*state, sectorAngle));
    } else if (kind == NEGATIVE_EXAMPLES && negative) {
      lines.push_back(exampleLine(*state, sectorAngle));
    } else if (kind == TEST_EXAMPLES && (positive || negative)) {
      lines.push_back(exampleLine(*state, sectorAngle) + (positive ? ": +" : ": -"));
    }
  }
  return lines;
}
