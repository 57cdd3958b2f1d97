// Checking coach-language messages: every say is accepted until the language checker lands.
#include "sim/say_check.h"

bool SayChecker::open(const std::string& path, int windowCycles) {
  windowCycles_ = windowCycles;
  return path.empty() || log_.open(path);
}

std::string SayChecker::answer(const std::string& command, int cycle, bool playOn, char side) {
  (void)playOn;
  (void)side;
  std::string answer = "(ok say)";
  log_.writeLine(std::to_string(cycle) + " ok " + command);
  return answer;
}
