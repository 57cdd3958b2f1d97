// Building a cycle state: nearest players, ball owner, possession, the event
// recognisers over the history, and the read accessors.
#include "state/cycle_state.h"

#include <cstddef>

#include "geometry/angles.h"
#include "geometry/distance.h"
#include "state/dribble.h"
#include "state/kicks.h"
#include "state/owner_change_pass.h"
#include "state/possession_loss.h"
#include "state/shot_or_kick_pass.h"

namespace {
constexpr double kOwnerReach = 1.1;  // a player this near the ball (inclusive) controls it
}  // namespace

CycleState::CycleState(const PlayerRecords& players, const BallState& ball, int16_t time,
                       CycleState* previous, const std::string& teamName,
                       const std::string& opponentName, int32_t playMode)
    : ballPos{ball.x, ball.y},
      possessionSide(0),
      nearestToBall{},
      cyclesToPass(NO_EVENT),
      cyclesToShot(NO_EVENT),
      cyclesToLoss(NO_EVENT),
      teamName(teamName),
      opponentName(opponentName),
      previous(previous),
      ball(ball),
      players(players),
      time(time),
      kickers(0),
      passSide(0),
      passer(0),
      receiver(0),
      playMode(playMode),
      owner(-1),
      dribbler(-1),
      playerTags{},
      regionCounts{} {
  updateKickers(*this);
  findNearestToBall();
  possessionSide = static_cast<int16_t>(findBallOwner());
  if (previous != nullptr && previous->kickers != 0) detectShotOrKickPass(*this);
  detectPass(*this);
  markPossessionLoss(*this);
  detectDribble(*this);
}

void CycleState::findNearestToBall() {
  struct Entry {
    double x, y, distance;
    int32_t side;
  };
  std::array<Entry, 22> list{};
  std::size_t count = 0;
  for (const PlayerState& p : players) {
    if (!p.listed) continue;
    list[count++] = Entry{p.x, p.y, distance(p.x, p.y, ballPos.x, ballPos.y), p.side};
  }
  // Bubble passes that swap only on strictly greater distance keep equal
  // distances in slot order.
  bool swapped = true;
  while (swapped) {
    swapped = false;
    for (std::size_t i = 0; i + 1 < count; ++i) {
      if (list[i].distance > list[i + 1].distance) {
        std::swap(list[i], list[i + 1]);
        swapped = true;
      }
    }
  }
  nearestToBall = {};
  for (std::size_t i = 0; i < nearestToBall.size() && i < count; ++i) {
    PlayerState& n = nearestToBall[i];
    n.x = list[i].x;
    n.y = list[i].y;
    n.side = list[i].side;
    n.ballDistance = list[i].distance;
    n.ballDirection = normalizeAngle(direction(list[i].x, list[i].y, ballPos.x, ballPos.y));
  }
}

int CycleState::findBallOwner() {
  double best = 500;
  int bestSlot = -1;
  for (int slot = 0; slot < 22; ++slot) {
    const PlayerState& p = players[slot];
    if (!p.listed) continue;
    const double d = distance(ballPos.x, ballPos.y, p.x, p.y);
    if (d < best) {
      best = d;
      bestSlot = slot;
    }
  }
  if (bestSlot >= 0 && best <= kOwnerReach) {
    owner = bestSlot;
    return sideOfSlot(bestSlot);
  }
  owner = -1;
  return previous != nullptr ? previous->possessionSide : 0;
}

bool CycleState::isGoalie(int i, int side) const {
  if (i < 0 || i > 10) return false;
  return players[slotOf(side, i + 1)].isGoalie;
}

bool CycleState::ownerIsGoalie(int side) const {
  if (side == 1) return owner >= 0 && owner <= 10 && isGoalie(owner, 1);
  return owner >= 11 && owner <= 21 && isGoalie(owner - 11, side);
}

int CycleState::getGoalieNumber(int side) const {
  for (int i = 0; i <= 10; ++i) {
    if (isGoalie(i, side)) return i + 1;
  }
  return -1;
}

Point CycleState::getPlayerPos(int side, int number) const {
  if (number < 1 || number > 11) return Point{0, 0};
  const PlayerState& p = players[slotOf(side, number)];
  return Point{p.x, p.y};
}
