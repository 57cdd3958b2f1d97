// Angle helpers in degrees, converted with the shortened pi.
#include "geometry/angles.h"

#include <cmath>
#include <cstdlib>
#include <iostream>

namespace {

// Beyond this magnitude normalizeAngle takes whole turns off with fmod instead of step by step.
constexpr double MAX_STEPPED_ANGLE = 360.0 * 1000;

}  // namespace

bool betweenAngles(double angle, double from, double to) {
  if (angle < 0 || angle > 360 || from < 0 || from > 360 || to < 0 || to > 360) {
    std::cerr << "Using betweenAngles with wrong values. Scale to 0..360 first!!" << std::endl;
    std::exit(1);
  }
  if (from > to) {
    // The interval wraps through 0.
    return (angle > from && angle < 360) || (angle < to && angle >= 0);
  }
  if (from <= to) {
    return from <= angle && angle <= to;
  }
  std::cerr << "Should never reach this point in betweenAngles!" << std::endl;
  return false;
}

double normalizeAngle(double angle) {
  // An infinity would never leave the loops below: it passes through like not-a-number.
  if (std::isinf(angle)) return angle;
  // Far from 0..360 whole turns are first taken off at once, so the loops stay short and end even
  // where adding 360 no longer changes the value. fmod is exact and the remainder keeps one turn
  // beyond the range, so the loops end on the value they would have reached step by step.
  if (std::fabs(angle) > MAX_STEPPED_ANGLE) {
    angle = std::fmod(angle, 360) + (angle > 0 ? 360 : -360);
  }
  while (angle < 0) angle += 360;
  while (angle > 360) angle -= 360;
  return angle;
}

double degToRad(double angle) {
  return angle * PI / 180;
}

double radToDeg(double angle) {
  return angle * 180 / PI;
}

double sinDeg(double angle) {
  return std::sin(degToRad(angle));
}

double cosDeg(double angle) {
  return std::cos(degToRad(angle));
}

double angleOfUnitVector(double c, double s) {
  double result = std::acos(c) * RAD_TO_DEG_FACTOR;
  if (s < 0) result = -result;
  return result;
}
