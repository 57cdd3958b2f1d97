// Reading the truth file of a generated match.
#include "sim/match_truth.h"

#include <fstream>
#include <sstream>

namespace {

int sideIndex(const std::string& side) {
  return side == "l" ? 0 : side == "r" ? 1 : -1;
}

bool readLine(const std::string& line, MatchTruth& truth) {
  std::istringstream in(line);
  std::string word;
  in >> word;
  if (word.empty() || word[0] == '#') return true;
  std::string side, which;
  int n = 0;
  Spot spot;
  if (word == "team") {
    in >> side;
    int s = sideIndex(side);
    if (s < 0) return false;
    in >> truth.names[s];
    return true;
  }
  if (word == "home") {
    in >> side >> which >> n >> spot.x >> spot.y;
    int s = sideIndex(side);
    if (!in || s < 0 || n < 1 || n > TEAM_SIZE || (which != "own" && which != "opp")) return false;
    truth.habits[s].side = s;
    (which == "own" ? truth.habits[s].homeOwn : truth.habits[s].homeOpp)[n - 1] = spot;
    return true;
  }
  if (word == "setplay") {
    in >> side >> which >> n >> spot.x >> spot.y;
    int s = sideIndex(side);
    int mode = setPlayModeOfName(which.c_str());
    if (!in || s < 0 || mode < 0 || n < 1 || n > TEAM_SIZE) return false;
    truth.habits[s].setPlay[mode][n - 1] = spot;
    return true;
  }
  if (word == "restart") {
    Restart restart;
    in >> restart.cycle >> which >> restart.taker >> restart.ball.x >> restart.ball.y;
    restart.mode = setPlayModeOfName(which.c_str());
    if (!in || restart.mode < 0) return false;
    truth.restarts.push_back(restart);
    return true;
  }
  if (word == "goal") {
    int cycle = 0, count = 0;
    in >> cycle >> side >> count;
    int s = sideIndex(side);
    if (!in || s < 0) return false;
    truth.goals[s] = count;
    return true;
  }
  if (word == "score") {
    in >> truth.goals[0] >> truth.goals[1];
    return static_cast<bool>(in);
  }
  return false;
}

}  // namespace

bool readMatchTruth(const std::string& path, MatchTruth& truth) {
  std::ifstream in(path);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) {
    if (!readLine(line, truth)) return false;
  }
  return true;
}
