// One snapshot of the game per simulation cycle: the ball and the 22 players as
// the global view gave them, plus who controls the ball and the event marks
// (pass, shot, loss, dribble) that the recognisers write.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "geometry/point.h"

// Countdown value meaning "no such event found"; the recognisers never mark above 39.
constexpr int NO_EVENT = 41;
// PlayerState::action of a player found kicking the ball in this cycle.
constexpr int KICKED = 2;

// The ball as the view gave it.
struct BallState {
  double x = 0;
  double y = 0;
  double vx = 0;  // metres per cycle
  double vy = 0;
};

// One player. A record the view did not list stays all zero with listed false;
// such a slot never owns the ball and is never among the nearest to it.
struct PlayerState {
  double x = 0;
  double y = 0;
  int32_t side = 0;          // 1 left, -1 right, as the parser set it
  double bodyAngle = 0;      // degrees
  double neckAngle = 0;      // degrees
  double ballDistance = 0;   // filled only in nearestToBall
  double ballDirection = 0;  // in [0, 360]; filled only in nearestToBall
  double vx = 0;
  double vy = 0;
  int32_t action = 0;  // KICKED when found kicking in this cycle
  double actionPower = 0;
  double actionDirection = 0;
  bool isGoalie = false;
  bool listed = false;  // the view listed this slot (set by the parser)
};

// The 22 records of a view by slot: 0 to 10 the left team's numbers 1 to 11,
// 11 to 21 the right team's.
using PlayerRecords = std::array<PlayerState, 22>;

// Slot in PlayerRecords of uniform number (1 to 11) of side (1 left, anything else right).
inline int slotOf(int side, int number) {
  return side == 1 ? number - 1 : number + 10;
}
// Side of slot (0 to 21): 1 left, -1 right.
inline int sideOfSlot(int slot) {
  return slot <= 10 ? 1 : -1;
}

class CycleState {
 public:
  // Builds the state: derives nearest players, owner and possession, and runs
  // the shot, pass, loss and dribble recognisers over this and earlier states.
  // previous is the newest state so far (nullptr for the first); it and the two
  // names are not owned and must outlive this state.
  CycleState(const PlayerRecords& players, const BallState& ball, int16_t time,
             CycleState* previous, const std::string& teamName, const std::string& opponentName,
             int32_t playMode);

  // Sorts the listed players by distance to the ball into nearestToBall
  // (ties keep slot order); unfillable entries stay zeroed with side 0.
  void findNearestToBall();
  // Sets owner to the nearest listed player within 1.1 of the ball (lowest slot
  // on ties) or -1; returns the side in possession (carried from previous when
  // nobody owns the ball, 0 for the first state).
  int findBallOwner();

  // Goalie flag of team member i (0 to 10) of side (1 left, else right); false
  // when out of range.
  bool isGoalie(int i, int side) const;
  // The owner belongs to side (1 left, else right) and is flagged goalie.
  bool ownerIsGoalie(int side) const;
  // Uniform number of side's first flagged goalie, -1 when none.
  int getGoalieNumber(int side) const;
  // Position of uniform number (1 to 11) of side; (0, 0) for numbers outside 1 to 11.
  Point getPlayerPos(int side, int number) const;
  int getPlayMode() const { return playMode; }
  bool leftHasBall() const { return possessionSide == 1; }
  bool rightHasBall() const { return possessionSide == -1; }
  Point getBallPos() const { return ballPos; }
  Point getBallVel() const { return Point{ball.vx, ball.vy}; }
  const PlayerRecords& getPlayers() const { return players; }
  PlayerRecords& getPlayers() { return players; }

  Point ballPos;
  int16_t possessionSide;  // 1, -1, or 0 when not known
  std::array<PlayerState, 8> nearestToBall;
  int16_t cyclesToPass;  // NO_EVENT, or states before a recognised pass's kick
  int16_t cyclesToShot;  // NO_EVENT, or states before a recognised shot's kick
  int16_t cyclesToLoss;  // NO_EVENT, or states (from 1) before the ball went over
  const std::string& teamName;
  const std::string& opponentName;
  CycleState* previous;  // not owned; nullptr for the first state
  BallState ball;
  PlayerRecords players;
  int16_t time;
  int16_t kickers;  // 1 left kicked, 2 right, 3 both, 0 none
  int16_t passSide;
  int16_t passer;    // uniform number, 0 when none
  int16_t receiver;  // uniform number, 0 when none
  int32_t playMode;
  int32_t owner;     // slot controlling the ball, -1 when nobody
  int32_t dribbler;  // -1, or the owner's slot when a dribble was recognised here
  std::array<int16_t, 22> playerTags;
  // (left count, right count) of players per 10-metre cell around the ball.
  std::array<std::array<std::array<int16_t, 2>, 3>, 3> regionCounts;
};
