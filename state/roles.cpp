// Role classification of a team by the gaps between its players along the field's length.
#include "state/roles.h"

#include "geometry/distance.h"
#include "geometry/sort.h"

namespace {

constexpr int TEAM_SIZE = 11;

}  // namespace

std::string roleName(std::int16_t role) {
  switch (role) {
    case ROLE_ATTACKER:
      return "attacker";
    case ROLE_DEFENDER:
      return "defender";
    case ROLE_MIDDLEFIELD:
      return "middlefield";
    case ROLE_GOALIE:
      return "goalie";
    default:
      return "unknown";
  }
}

std::int16_t zoneRole(double x, int side) {
  if (x < -17) return side == 1 ? ROLE_DEFENDER : ROLE_ATTACKER;
  if (x > 17) return side == -1 ? ROLE_DEFENDER : ROLE_ATTACKER;
  return ROLE_MIDDLEFIELD;
}

std::unique_ptr<std::int16_t[]> classifyRoles(const Point* points) {
  Point sorted[TEAM_SIZE];
  for (int i = 0; i < TEAM_SIZE; ++i) sorted[i] = points[i];
  sortByX(sorted, 0, TEAM_SIZE - 1);

  // Input index of every sorted position: the first point equal to it (-1 if none, e.g. NaN).
  int inputIndex[TEAM_SIZE];
  for (int k = 0; k < TEAM_SIZE; ++k) {
    inputIndex[k] = -1;
    for (int i = 0; i < TEAM_SIZE; ++i) {
      if (points[i].x == sorted[k].x && points[i].y == sorted[k].y) {
        inputIndex[k] = i;
        break;
      }
    }
  }

  // The largest and a second large gap; a new largest drops the old one rather than demoting it.
  double g1 = 0;
  double g2 = 0;
  int p1 = -1;
  int p2 = -1;
  for (int k = 1; k <= TEAM_SIZE - 2; ++k) {
    double gap = distance(sorted[k].x, sorted[k].y, sorted[k + 1].x, sorted[k + 1].y);
    if (gap > g1) {
      g1 = gap;
      p1 = k;
    } else if (gap > g2) {
      g2 = gap;
      p2 = k;
    }
  }
  if (p1 > p2) {
    int p = p1;
    p1 = p2;
    p2 = p;
  }

  auto roles = std::make_unique<std::int16_t[]>(TEAM_SIZE);  // all ROLE_UNKNOWN
  for (int k = 0; k < TEAM_SIZE; ++k) {
    if (inputIndex[k] < 0) continue;
    std::int16_t role = ROLE_MIDDLEFIELD;
    if (k == 0) {
      role = ROLE_GOALIE;
    } else if (k <= p1) {
      role = ROLE_DEFENDER;
    } else if (k > p2) {
      role = ROLE_ATTACKER;
    }
    roles[inputIndex[k]] = role;
  }
  return roles;
}

int rearmostPlayer(const Point* points, int side) {
  double value = 0;
  int result = -1;
  for (int i = 0; i < TEAM_SIZE; ++i) {
    if (side == 1 ? points[i].x < value : points[i].x > value) {
      value = points[i].x;
      result = i;
    }
  }
  return result;
}
