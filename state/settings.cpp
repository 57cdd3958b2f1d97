#include "state/settings.h"

bool verbose = false;
bool trainerMode = false;
std::string teamName;
std::string opponentName = "opponent";
int ownSide = 0;

void resetSettings() {
  verbose = false;
  trainerMode = false;
  teamName.clear();
  opponentName = "opponent";
  ownSide = 0;
}
