// Scaling of the two feature records of a cycle state into 0 to 1000 and back,
// their distance, and positions rebuilt from a nearest record.
#pragma once

class CycleState;

// Maps the nearest record's fields in place from their ranges onto 0 to 1000:
// ballPos x and y from -52.5..52.5, possessionSide and each entry's side from
// -1..1, ballDirection from 0..360, ballDistance from 0..30, the three
// countdowns from 0..40 (NO_EVENT becomes 1025). Integer fields keep the scaled
// value cut towards zero.
void scaleNearestRecord(CycleState& state);
// As scaleNearestRecord for ballPos, possessionSide, the 18 counts (from 0..3)
// and the countdowns; time is never scaled.
void scaleRegionRecord(CycleState& state);
// The inverse mappings; integer fields take the nearest integer (halves to
// even), ballPos, ballDirection and ballDistance keep their fraction.
void unscaleNearestRecord(CycleState& state);
void unscaleRegionRecord(CycleState& state);

// Sum of the absolute field differences of the two nearest records (ballPos,
// possessionSide, each entry's side, ballDistance, ballDirection, then
// cyclesToShot, cyclesToPass, cyclesToLoss); 0 when b is nullptr.
double nearestDistance(const CycleState& a, const CycleState* b);
// The same for region records, with each cell's two counts in place of the
// entries; time does not count. 0 when b is nullptr.
double regionDistance(const CycleState& a, const CycleState* b);

// Sets x and y of each nearestToBall entry from ballPos, its ballDirection
// (degrees, converted with the full-precision factor) and ballDistance: the
// entry stands ballDistance away from the ball, looking at it.
void rebuildNearestPositions(CycleState& state);
