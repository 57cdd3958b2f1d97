// Turns a stretch of the game history into example lines for the rule learner:
// situations in which a side starts a ball action (pass, dribble, shoot) and
// situations in which it holds the ball and does not.
#pragma once

#include <string>
#include <vector>

class CycleState;

// Labels of the ball actions, by the index the learner driver passes.
enum ExampleLabel { LABEL_PASS = 1, LABEL_DRIBBLE = 2, LABEL_SHOOT = 3 };
// Which examples to return.
enum ExampleKind { POSITIVE_EXAMPLES = 1, NEGATIVE_EXAMPLES = 2, TEST_EXAMPLES = 3 };

// True when side (1 left, -1 right) starts the labelled action in state: a pass
// kick (cyclesToPass 0, passSide side), a dribble of one of its players
// (dribbler of that side), or a shot kick (cyclesToShot 0 with side among the
// kickers). Any other label is never started.
bool startsAction(const CycleState& state, int labelIndex, int side);
// True when a player of side owns the ball in state and does not start the
// labelled action.
bool holdsWithoutAction(const CycleState& state, int labelIndex, int side);

// The example line of state: its nearest record separated by commas,
//   ballX,ballY,possessionSide,{side,sector,ballDistance} for the 8 nearest,
//   cyclesToPass,cyclesToShot,cyclesToLoss
// with numbers in default formatting and each ball direction replaced by the
// number of its sector of sectorAngle degrees (floor(direction / sectorAngle),
// 360 counting as 0). A sectorAngle that is not above 0 keeps the directions.
std::string exampleLine(const CycleState& state, double sectorAngle);

// Walks from start over at most cycles states along previous (start included)
// and returns, in walk order, the lines of the states that are positive
// examples (kind 1), negative examples (kind 2), or both (kind 3, each line
// ending in ": +" or ": -"). No lines for a null start or an unknown kind.
std::vector<std::string> generateExamples(const CycleState* start, int cycles, int labelIndex,
                                          int side, int kind, double sectorAngle);
