// Process-wide records of the server message intake: what the referee, the
// global views and the parameter messages have told the coach so far.
#pragma once

#include <map>
#include <memory>
#include <vector>

struct Serverparam;
struct Playerparam;
struct Playertype;

// Global views.
extern int currentTime;  // cycle of the last global view

// Referee.
extern short currentPlayMode;  // number of the play mode last announced (0 to 31)
extern bool halfTimeSeen;      // half time announced; the trainer clears it after "(start)"
extern bool extendedTimeSeen;  // extended time announced; the trainer clears it
extern bool gameOver;          // "time_over" announced; never cleared
extern int leftGoals;
extern int rightGoals;

// Trainer statistics, counted by the global-view parser in trainer mode only.
extern int ballLeftHalfCycles;
extern int ballRightHalfCycles;
extern int leftGoalieBallCycles;
extern int rightGoalieBallCycles;
extern int leftPossessionCycles;
extern int rightPossessionCycles;
extern std::vector<double> ballXTrace;

// Parameter records; empty until the server has sent them.
extern std::unique_ptr<Serverparam> serverParams;
extern std::unique_ptr<Playerparam> playerParams;
// Player types by id; any id of 0 or more can be held.
extern std::map<int, std::unique_ptr<Playertype>> playerTypes;

// Puts every record back to its value at start-up.
void resetIntakeRecords();
