// Formatting of global views.
#include "sim/view_text.h"

#include "sim/number_text.h"

std::string viewText(int time, const World& world, const std::string& leftName,
                     const std::string& rightName) {
  std::string text = "(see_global " + std::to_string(time) + " ((g l) -52.5 0) ((g r) 52.5 0)";
  const Ball& b = world.ball;
  text += " ((b) " + numberText(b.x) + ' ' + numberText(b.y) + ' ' + numberText(b.vx) + ' ' +
          numberText(b.vy) + ')';
  for (int slot = 0; slot < 2 * TEAM_SIZE; ++slot) {
    const Player& p = world.players[slot];
    int number = slot % TEAM_SIZE + 1;
    text += " ((p \"" + (slot < TEAM_SIZE ? leftName : rightName) + "\" " + std::to_string(number) +
            (number == GOALIE_NUMBER ? " goalie) " : ") ") + numberText(p.x) + ' ' +
            numberText(p.y) + ' ' + numberText(p.vx) + ' ' + numberText(p.vy) + ' ' +
            numberText(p.body) + " 0)";
  }
  return text + ')';
}
