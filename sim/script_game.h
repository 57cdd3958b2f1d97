// A game that plays the lines of a script file in order, one view per cycle.
#pragma once

#include <string>
#include <vector>

#include "sim/game_source.h"

class ScriptGame : public GameSource {
 public:
  // Takes the messages to play, as loadScript() returns them.
  explicit ScriptGame(std::vector<std::string> messages);

  void begin(const std::string& leftName, const std::string& rightName) override;
  // Sends the next messages up to and including the next view; hear messages and all other
  // lines go out in the same cycle as the view that follows them.
  void step(GameOutput& out) override;
  bool finished() const override { return next_ >= messages_.size(); }
  // The cycle number of the last view played (the count of views when a view carries none).
  int cycle() const override { return cycle_; }
  // Follows the referee's lines of the script.
  bool playOn() const override { return playOn_; }

 private:
  std::vector<std::string> messages_;
  size_t next_ = 0;
  int cycle_ = 0;
  int viewsPlayed_ = 0;
  bool playOn_ = false;
};
