// A GameOutput that keeps what a game sends, for tests of the games without sockets.
#pragma once

#include <string>
#include <vector>

#include "sim/game_source.h"

struct SentMessage {
  bool view;  // sent with sendView (to clients with eye on), else with sendHear
  std::string text;
};

class FakeGameOutput : public GameOutput {
 public:
  void sendView(const std::string& text) override { sent.push_back({true, text}); }
  void sendHear(const std::string& text) override { sent.push_back({false, text}); }
  bool trainerConnected() const override { return trainer; }

  std::vector<SentMessage> sent;
  bool trainer = false;
};
