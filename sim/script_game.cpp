// Playing a script: every line goes to the clients with eye on, paced by its views.
#include "sim/script_game.h"

#include <utility>

#include "sim/script.h"

ScriptGame::ScriptGame(std::vector<std::string> messages) : messages_(std::move(messages)) {}

void ScriptGame::begin(const std::string&, const std::string&) {}

void ScriptGame::step(GameOutput& out) {
  while (next_ < messages_.size()) {
    const std::string& message = messages_[next_++];
    if (message.rfind("(hear ", 0) == 0) {
      size_t referee = message.find(" referee ");
      if (referee != std::string::npos) {
        playOn_ = message.compare(referee + 9, 8, "play_on)") == 0;
      }
    }
    out.sendView(message);
    if (isViewMessage(message)) {
      ++viewsPlayed_;
      int carried = viewCycle(message);
      cycle_ = carried >= 0 ? carried : viewsPlayed_;
      return;
    }
  }
}
