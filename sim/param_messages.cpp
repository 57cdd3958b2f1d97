// Parameter values of a stock server. Positions 21, 55, 58 to 82 and 94 to 97 are integers, all
// others decimals; the receivers read them by position only.
#include "sim/param_messages.h"

#include <sstream>

namespace {

// Values 1 to 62 of the server parameters: player and ball physics, noise and wind.
const char* const serverHead =
    "14.02 5 0.3 0.4 0.1 60 1.2 1 4000 45 0.3 0.5 0.002 0.3 0.6 0.005 0.6 0.01 0.1 0 "
    "0 "
    "1 1 1 1 0.085 0.94 0.05 0.2 2.7 2.7 0.006 0.027 0.7 2 1.7 100 -100 180 -180 180 -180 90 "
    "-90 90 3 0 0 0 0 1.085 2 1 1 "
    "2 "
    "1 2.5 "
    "0 0 128 128 300";

// Values 64 to 97: coach-language windows, timing steps, quantisation and coach modes.
const char* const serverTail =
    "1 1 1 1 50 1 3000 100 150 10 100 300 10 1 1 1 5 1 1 "
    "9.15 50 0.1 0.01 -1 -1 -1 -1 -1 -1 -1 "
    "0 0 0 100";

}  // namespace

std::string serverParamMessage(int adviceInterval) {
  std::ostringstream text;
  text << "(server_param " << serverHead << ' ' << adviceInterval << ' ' << serverTail << ')';
  return text.str();
}

std::string playerParamMessage() {
  return "(player_param 7 3 3 0 0.2 -100 0 0.2 25 0 0 -100 0 0.2 0.5 0 100 -0.002 -0.002)";
}

std::string playerTypeMessage(int id) {
  // Type 0 is the default player; the others trade speed against stamina and decay.
  std::ostringstream text;
  double step = id * 0.03;
  text << "(player_type " << id << ' ' << 1.2 + step << ' ' << 45 - id * 3 << ' ' << 0.4 + step
       << ' ' << 5 + id * 0.75 << " 0.006 0.3 " << 0.7 + id * 0.02 << ' ' << id * 0.01 << ' '
       << id * 10 << ' ' << 1 - id * 0.004 << ' ' << 0.6 - id * 0.004 << ')';
  return text.str();
}
