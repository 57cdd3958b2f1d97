// Answers the coach's "(say ...)" commands and writes the advice log.
#pragma once

#include <string>

#include "sim/line_file.h"

class SayChecker {
 public:
  // Opens the advice log when path is not empty. False when it cannot be created.
  bool open(const std::string& path, int windowCycles);
  // Checks the whole "(say ...)" command received at cycle (playOn while the play mode is
  // play_on) from the coach of side, logs it and returns the answer to send back.
  std::string answer(const std::string& command, int cycle, bool playOn, char side);

 private:
  LineFile log_;
  int windowCycles_ = 300;
};
