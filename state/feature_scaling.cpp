// Linear scaling of feature records, their distances, and rebuilt positions.
#include "state/feature_scaling.h"

#include <cmath>
#include <concepts>
#include <limits>

#include "geometry/scale.h"
#include "state/cycle_state.h"

namespace {

constexpr double FIELD_LOW = -52.5;  // both ballPos coordinates use the x range
constexpr double FIELD_HIGH = 52.5;
constexpr double SIDE_LOW = -1;
constexpr double SIDE_HIGH = 1;
constexpr double DIRECTION_HIGH = 360;
constexpr double DISTANCE_HIGH = 30;
constexpr double COUNT_HIGH = 3;
constexpr double COUNTDOWN_HIGH = 40;
constexpr double SCALED_HIGH = 1000;
// Degrees to radians at full double precision (the geometry helpers use a
// shortened pi; records rebuilt here must match the directions exactly).
constexpr double DEG_TO_RAD = 0.017453292519943295;

// Stores value in an integer field, clamped to the field's range; rounded
// picks the nearest integer (halves to even), otherwise the fraction is cut off.
template <typename Int>
void store(Int& field, double value, bool rounded) {
  if (std::isnan(value)) return;
  value = rounded ? std::nearbyint(value) : std::trunc(value);
  const double low = std::numeric_limits<Int>::min();
  const double high = std::numeric_limits<Int>::max();
  field = static_cast<Int>(value < low ? low : value > high ? high : value);
}

// Moves one field from its range low..high onto 0..SCALED_HIGH: integer fields
// keep the scaled value cut towards zero.
struct Scale {
  template <std::integral Int>
  void operator()(Int& field, double low, double high) const {
    store(field, scale_from_to(field, low, high, 0, SCALED_HIGH), false);
  }
  void operator()(double& field, double low, double high) const {
    field = scale_from_to(field, low, high, 0, SCALED_HIGH);
  }
};

// Moves one field back from 0..SCALED_HIGH onto its range low..high: integer
// fields take the nearest integer.
struct Unscale {
  template <std::integral Int>
  void operator()(Int& field, double low, double high) const {
    store(field, scale_from_to(field, 0, SCALED_HIGH, low, high), true);
  }
  void operator()(double& field, double low, double high) const {
    field = scale_from_to(field, 0, SCALED_HIGH, low, high);
  }
};

// Hands the fields both records start with to map(field, low, high), each with
// its range.
template <typename Map>
void mapCommon(CycleState& state, const Map& map) {
  map(state.ballPos.x, FIELD_LOW, FIELD_HIGH);
  map(state.ballPos.y, FIELD_LOW, FIELD_HIGH);
  map(state.possessionSide, SIDE_LOW, SIDE_HIGH);
}

// Hands the three countdowns, which both records end with, to map.
template <typename Map>
void mapCountdowns(CycleState& state, const Map& map) {
  map(state.cyclesToPass, 0, COUNTDOWN_HIGH);
  map(state.cyclesToShot, 0, COUNTDOWN_HIGH);
  map(state.cyclesToLoss, 0, COUNTDOWN_HIGH);
}

// Hands every scaled field of the nearest record to map, with its range.
template <typename Map>
void mapNearestRecord(CycleState& state, const Map& map) {
  mapCommon(state, map);
  for (PlayerState& entry : state.nearestToBall) {
    map(entry.side, SIDE_LOW, SIDE_HIGH);
    map(entry.ballDirection, 0, DIRECTION_HIGH);
    map(entry.ballDistance, 0, DISTANCE_HIGH);
  }
  mapCountdowns(state, map);
}

// Hands every scaled field of the region record to map, with its range.
template <typename Map>
void mapRegionRecord(CycleState& state, const Map& map) {
  mapCommon(state, map);
  for (auto& row : state.regionCounts) {
    for (auto& cell : row) {
      map(cell[0], 0, COUNT_HIGH);
      map(cell[1], 0, COUNT_HIGH);
    }
  }
  mapCountdowns(state, map);
}

double commonDistance(const CycleState& a, const CycleState& b) {
  double sum = std::fabs(a.ballPos.x - b.ballPos.x);
  sum += std::fabs(a.ballPos.y - b.ballPos.y);
  sum += std::abs(a.possessionSide - b.possessionSide);
  return sum;
}

double countdownDistance(const CycleState& a, const CycleState& b, double sum) {
  sum += std::abs(a.cyclesToShot - b.cyclesToShot);
  sum += std::abs(a.cyclesToPass - b.cyclesToPass);
  sum += std::abs(a.cyclesToLoss - b.cyclesToLoss);
  return sum;
}

}  // namespace

void scaleNearestRecord(CycleState& state) {
  mapNearestRecord(state, Scale{});
}

void scaleRegionRecord(CycleState& state) {
  mapRegionRecord(state, Scale{});
}

void unscaleNearestRecord(CycleState& state) {
  mapNearestRecord(state, Unscale{});
}

void unscaleRegionRecord(CycleState& state) {
  mapRegionRecord(state, Unscale{});
}

double nearestDistance(const CycleState& a, const CycleState* b) {
  if (b == nullptr) return 0;
  double sum = commonDistance(a, *b);
  for (int k = 0; k < 8; ++k) {
    const PlayerState& ea = a.nearestToBall[k];
    const PlayerState& eb = b->nearestToBall[k];
    sum += std::abs(ea.side - eb.side);
    sum += std::fabs(ea.ballDistance - eb.ballDistance);
    sum += std::fabs(ea.ballDirection - eb.ballDirection);
  }
  return countdownDistance(a, *b, sum);
}

double regionDistance(const CycleState& a, const CycleState* b) {
  if (b == nullptr) return 0;
  double sum = commonDistance(a, *b);
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      sum += std::abs(a.regionCounts[i][j][0] - b->regionCounts[i][j][0]);
      sum += std::abs(a.regionCounts[i][j][1] - b->regionCounts[i][j][1]);
    }
  }
  return countdownDistance(a, *b, sum);
}

void rebuildNearestPositions(CycleState& state) {
  for (PlayerState& entry : state.nearestToBall) {
    double radians = entry.ballDirection * DEG_TO_RAD;
    entry.x = state.ballPos.x - std::cos(radians) * entry.ballDistance;
    entry.y = state.ballPos.y - std::sin(radians) * entry.ballDistance;
  }
}
