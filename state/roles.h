// Roles of one team's players (goalie, defender, middlefield, attacker) read from their positions.
// Analysis facility for recorded matches; the running coach does not call it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "geometry/point.h"

constexpr std::int16_t ROLE_UNKNOWN = 0;
constexpr std::int16_t ROLE_ATTACKER = 1;
constexpr std::int16_t ROLE_DEFENDER = 2;
constexpr std::int16_t ROLE_MIDDLEFIELD = 3;
constexpr std::int16_t ROLE_GOALIE = 4;

// "attacker", "defender", "middlefield", "goalie" for codes 1 to 4, "unknown" for any other code.
std::string roleName(std::int16_t role);

// Role of the third of the field that x lies in (cut at -17 and 17, both belonging to the middle),
// for a team of the given side: defender in its own third, attacker in the other.
std::int16_t zoneRole(double x, int side);

// Roles of eleven players (points[0..10], uniform numbers 1 to 11), index as in the input. The
// player with the smallest x is the goalie; two wide gaps between neighbours in x order split
// defenders, middlefield and attackers: the widest, and the widest of the gaps that were not
// wider than every gap before them (a new widest gap drops the previous one instead of keeping
// it as the second; the gap behind the goalie is not considered). An input index left without a
// role (its point coincides with an earlier one) holds ROLE_UNKNOWN.
std::unique_ptr<std::int16_t[]> classifyRoles(const Point* points);

// Index (0..10) of the team's player nearest its own goal line among those in its own half (x < 0
// for side 1, x > 0 otherwise); the first such index wins a tie. -1 when none stands there.
int rearmostPlayer(const Point* points, int side);
