// Dimensions of the field the match is played on, in metres, centre spot at the origin.
#pragma once

namespace field {
constexpr double halfLength = 52.5;     // goal lines at x = -52.5 and 52.5
constexpr double halfWidth = 34.0;      // touch lines at y = -34 and 34
constexpr double goalHalfWidth = 7.02;  // posts at y = -7.02 and 7.02
constexpr double penaltyLength = 16.5;  // penalty area depth from the goal line
constexpr double penaltyHalfWidth = 20.16;
constexpr double goalAreaLength = 5.5;
constexpr double goalAreaHalfWidth = 9.16;
}  // namespace field

// A position or displacement on the field.
struct Spot {
  double x = 0;
  double y = 0;
};
