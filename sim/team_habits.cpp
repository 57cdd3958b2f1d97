// Formations and set-play patterns of the generated teams. Patterns are written in a team frame
// in which the team attacks towards +x and are turned into the field frame for the right team.
#include "sim/team_habits.h"

#include <algorithm>
#include <cmath>

#include "sim/random_source.h"

namespace {

// Middle of field section column i (0..10) and row j (0..6) of the 11 x 7 grid.
double column(int i) {
  return -field::halfLength + 105.0 / 11.0 * (i + 0.5);
}
double row(int j) {
  return -field::halfWidth + 68.0 / 7.0 * (j + 0.5);
}

struct Cell {
  int i;
  int j;
};

// Two formations, each as (defending, attacking) section cells for numbers 1 to 11.
const Cell formations[2][2][TEAM_SIZE] = {
    // 4-4-2
    {{{0, 3}, {1, 1}, {1, 2}, {1, 4}, {1, 5}, {3, 1}, {3, 2}, {3, 4}, {3, 5}, {5, 2}, {5, 4}},
     {{0, 3}, {3, 0}, {3, 2}, {3, 4}, {3, 6}, {6, 0}, {6, 2}, {6, 4}, {6, 6}, {8, 2}, {8, 4}}},
    // 4-3-3
    {{{0, 3}, {1, 1}, {1, 2}, {1, 4}, {1, 5}, {3, 2}, {3, 4}, {2, 3}, {4, 1}, {5, 3}, {4, 5}},
     {{0, 3}, {3, 0}, {3, 2}, {3, 4}, {3, 6}, {6, 2}, {6, 4}, {5, 3}, {8, 1}, {9, 3}, {8, 5}}},
};

// Defending spots at an opponent's corner, team frame.
const Spot cornerDefence[TEAM_SIZE] = {{-51, 0},   {-50, -4},  {-50, 4}, {-46, -7},
                                       {-46, 7},   {-44, -12}, {-43, 0}, {-44, 12},
                                       {-36, -14}, {-30, 0},   {-24, 9}};
// Attacking spots at the own corner, team frame.
const Spot cornerAttack[TEAM_SIZE] = {{-40, 0}, {-12, -15}, {-8, 0}, {-12, 15}, {2, 20}, {38, -12},
                                      {44, -5}, {44, 5},    {36, 0}, {47, 1},   {41, 9}};

Spot clampToField(Spot spot) {
  spot.x = std::clamp(spot.x, -51.0, 51.0);
  spot.y = std::clamp(spot.y, -32.5, 32.5);
  return spot;
}

Spot jittered(RandomSource& random, Spot spot, double amount) {
  spot.x += random.uniform(-amount, amount);
  spot.y += random.uniform(-amount, amount);
  return spot;
}

// Keeps a spot in the own half (x below -1) and, when outside, at least 9.15 m from the centre.
Spot kickOffSpot(Spot spot, bool outsideCircle) {
  spot.x = std::min(spot.x, -1.0);
  double d = std::hypot(spot.x, spot.y);
  if (outsideCircle && d < 10.0) {
    double scale = 10.0 / std::max(d, 0.1);
    spot.x *= scale;
    spot.y *= scale;
    spot.x = std::min(spot.x, -1.0);
  }
  return spot;
}

}  // namespace

TeamHabits makeTeamHabits(uint64_t seed, int side) {
  RandomSource random(seed * 7919 + 17 + static_cast<uint64_t>(side) * 104729);
  TeamHabits habits;
  habits.side = side;
  const int formation = random.index(2);
  // Patterns in the team frame first.
  Spot own[TEAM_SIZE];
  Spot opp[TEAM_SIZE];
  for (int n = 0; n < TEAM_SIZE; ++n) {
    const Cell& d = formations[formation][0][n];
    const Cell& a = formations[formation][1][n];
    opp[n] = jittered(random, {column(d.i), row(d.j)}, 0.8);
    own[n] = jittered(random, {column(a.i), row(a.j)}, 0.8);
  }
  opp[0] = {-48.5 + random.uniform(-0.5, 0.5), 0};
  own[0] = {-47 + random.uniform(-0.5, 0.5), 0};

  Spot plays[SET_PLAY_MODE_COUNT][TEAM_SIZE];
  const int mine = side;        // offset of the modes this team takes
  const int theirs = 1 - side;  // offset of the modes the opponent takes
  for (int n = 0; n < TEAM_SIZE; ++n) {
    Spot base = {opp[n].x * 0.55 - 3, opp[n].y * 0.9};
    plays[BEFORE_KICK_OFF][n] = kickOffSpot(jittered(random, base, 2.0), false);
    plays[KICK_OFF_L + mine][n] = kickOffSpot(jittered(random, {base.x + 2, base.y}, 2.0), false);
    plays[KICK_OFF_L + theirs][n] =
        kickOffSpot(jittered(random, {base.x - 3, base.y * 1.1}, 2.0), true);
    // At its own restarts in open play a team keeps close to its home spots; where it stands
    // when the other side restarts differs more.
    plays[KICK_IN_L + mine][n] = jittered(random, own[n], 1.5);
    plays[KICK_IN_L + theirs][n] = jittered(random, opp[n], 3.0);
    plays[FREE_KICK_L + mine][n] = jittered(random, {own[n].x - 2, own[n].y}, 1.5);
    plays[FREE_KICK_L + theirs][n] =
        jittered(random, {std::min(opp[n].x + 10, 30.0), opp[n].y}, 3.0);
    // At its own corner a team sends its central players into the box; the others keep near
    // their home spots.
    bool intoBox = n == 6 || n == 7 || n == 9 || n == 10;
    plays[CORNER_KICK_L + mine][n] = jittered(random, intoBox ? cornerAttack[n] : own[n], 1.5);
    plays[CORNER_KICK_L + theirs][n] = jittered(random, cornerDefence[n], 1.0);
    plays[GOAL_KICK_L + mine][n] = jittered(random, {own[n].x - 2, own[n].y * 1.05}, 1.5);
    plays[GOAL_KICK_L + theirs][n] =
        jittered(random, {std::min(opp[n].x + 14, 33.0), opp[n].y}, 3.0);
  }
  plays[KICK_OFF_L + mine][KICK_OFF_TAKER - 1] = {-0.6, 0};
  plays[BEFORE_KICK_OFF][0] = plays[KICK_OFF_L][0] = plays[KICK_OFF_R][0] = {-50, 0};
  plays[CORNER_KICK_L + theirs][0] = {-51, 0};

  // Into the field frame: the right team's patterns are turned through 180 degrees.
  const double s = side == 0 ? 1.0 : -1.0;
  auto toField = [s](Spot spot) { return Spot{s * spot.x, s * spot.y}; };
  for (int n = 0; n < TEAM_SIZE; ++n) {
    habits.homeOwn[n] = toField(clampToField(own[n]));
    habits.homeOpp[n] = toField(clampToField(opp[n]));
    for (int m = 0; m < SET_PLAY_MODE_COUNT; ++m) {
      habits.setPlay[m][n] = toField(clampToField(plays[m][n]));
    }
  }
  return habits;
}

Spot shiftedHome(const TeamHabits& habits, int index, bool ownBall, const Spot& ball) {
  const Spot& home = ownBall ? habits.homeOwn[index] : habits.homeOpp[index];
  if (index == GOALIE_NUMBER - 1) return {home.x, home.y + std::clamp(ball.y * 0.1, -3.0, 3.0)};
  return {home.x + 0.07 * ball.x, home.y + 0.07 * ball.y};
}
