// The process-wide intake records and their reset.
#include "coach/intake_records.h"

#include "coach/server_params.h"

int currentTime = 0;
short currentPlayMode = 0;
bool halfTimeSeen = false;
bool extendedTimeSeen = false;
bool gameOver = false;
int leftGoals = 0;
int rightGoals = 0;

int ballLeftHalfCycles = 0;
int ballRightHalfCycles = 0;
int leftGoalieBallCycles = 0;
int rightGoalieBallCycles = 0;
int leftPossessionCycles = 0;
int rightPossessionCycles = 0;
std::vector<double> ballXTrace;

std::unique_ptr<Serverparam> serverParams;
std::unique_ptr<Playerparam> playerParams;
std::map<int, std::unique_ptr<Playertype>> playerTypes;

void resetIntakeRecords() {
  currentTime = 0;
  currentPlayMode = 0;
  halfTimeSeen = false;
  extendedTimeSeen = false;
  gameOver = false;
  leftGoals = 0;
  rightGoals = 0;
  ballLeftHalfCycles = 0;
  ballRightHalfCycles = 0;
  leftGoalieBallCycles = 0;
  rightGoalieBallCycles = 0;
  leftPossessionCycles = 0;
  rightPossessionCycles = 0;
  ballXTrace.clear();
  serverParams.reset();
  playerParams.reset();
  playerTypes.clear();
}
