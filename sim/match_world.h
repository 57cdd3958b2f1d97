// The bodies of a generated match: the ball and the 22 players, with their physics.
#pragma once

#include "sim/field.h"
#include "sim/team_habits.h"

constexpr double BALL_DECAY = 0.94;     // speed kept from one cycle to the next
constexpr double BALL_SPEED_MAX = 3.0;  // metres per cycle
constexpr double KICKABLE_DISTANCE = 1.0;
constexpr double PLAYER_RUN_SPEED = 1.0;  // chasing the ball or going to a set-play spot
constexpr double PLAYER_JOG_SPEED = 0.6;  // keeping the formation

struct Ball {
  double x = 0, y = 0, vx = 0, vy = 0;
};

struct Player {
  double x = 0, y = 0, vx = 0, vy = 0;
  double body = 0;   // degrees, the direction of the last move
  int cooldown = 0;  // cycles before the player may kick again
};

// Players by slot: 0 to 10 the left team's numbers 1 to 11, 11 to 21 the right team's.
struct World {
  Ball ball;
  Player players[2 * TEAM_SIZE];
};

// Moves the ball by its velocity, then lets it lose speed by BALL_DECAY.
void stepBall(Ball& ball);
// Gives the ball a velocity of speed (capped at BALL_SPEED_MAX) in direction degrees.
void kickBall(Ball& ball, double speed, double direction);
// Moves player towards target by at most speed and turns his body to the move; a player at his
// target stands still with his body as it was.
void movePlayer(Player& player, const Spot& target, double speed);
double distanceBetween(double x1, double y1, double x2, double y2);
// Direction in degrees (-180 to 180) from (x1, y1) to (x2, y2).
double directionTo(double x1, double y1, double x2, double y2);
