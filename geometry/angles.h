// Angle helpers in degrees: normalising, interval tests and conversions. Every conversion uses the
// shortened pi below, so results differ from exact values in the last digits.
#pragma once

// The pi of all degree/radian conversions (deliberately not the full double value).
constexpr double PI = 3.141592654;
// 180 / PI as a double; turns the arc cosine of angleOfUnitVector into degrees.
constexpr double RAD_TO_DEG_FACTOR = 57.29577950560105;

// True when angle lies in the interval from -> to. With from > to the interval wraps through 0 and
// both ends are excluded (0 included, 360 excluded); otherwise both ends are included.
// All three values must lie in 0..360: otherwise writes a message and ends the process with
// status 1. Unordered bounds (not a number) write a message and give false.
bool betweenAngles(double angle, double from, double to);

// The angle brought into 0..360 by whole turns: below 0 turns are added, then above 360 turns are
// taken off, so 360 stays 360, 720 becomes 360 and -360 becomes 0. Infinities and not-a-number
// pass through unchanged.
double normalizeAngle(double angle);

// angle * PI / 180.
double degToRad(double angle);
// angle * 180 / PI.
double radToDeg(double angle);
// Sine of an angle in degrees.
double sinDeg(double angle);
// Cosine of an angle in degrees.
double cosDeg(double angle);

// Direction in degrees (-180..180) of the unit vector (c, s): acos(c) in degrees, negated when
// s < 0. |c| > 1 gives not-a-number.
double angleOfUnitVector(double c, double s);
