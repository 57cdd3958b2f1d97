// Reads the global views and referee messages a generated match sends, for the tests of the
// generator: ball, players and play-mode texts by cycle.
#pragma once

#include <cstdlib>
#include <string>
#include <vector>

struct ViewPlayer {
  std::string team;
  int number = 0;
  bool goalie = false;
  double x = 0, y = 0, vx = 0, vy = 0, body = 0, neck = 0;
};

struct ParsedView {
  int time = -1;
  double bx = 0, by = 0, bvx = 0, bvy = 0;
  std::vector<ViewPlayer> players;
  std::vector<std::string> numbers;  // every number text of the view after the cycle
};

// Parses "(see_global T ((g l) -52.5 0) ((g r) 52.5 0) ((b) X Y VX VY) ((p "N" 1 goalie) ...)".
// False when the text does not have that shape.
inline bool parseView(const std::string& text, ParsedView& view) {
  view = ParsedView{};
  const std::string head = "(see_global ";
  if (text.rfind(head, 0) != 0 || text.back() != ')') return false;
  size_t p = head.size();
  view.time = std::atoi(text.c_str() + p);
  const std::string goals = " ((g l) -52.5 0) ((g r) 52.5 0) ((b) ";
  p = text.find(' ', p);
  if (p == std::string::npos || text.compare(p, goals.size(), goals) != 0) return false;
  p += goals.size();
  auto number = [&](double& value) {
    size_t end = text.find_first_of(" )", p);
    if (end == std::string::npos) return false;
    std::string word = text.substr(p, end - p);
    char* stop = nullptr;
    value = std::strtod(word.c_str(), &stop);
    if (word.empty() || *stop != '\0') return false;
    view.numbers.push_back(word);
    p = end;
    return true;
  };
  auto skip = [&](const std::string& what) {
    if (text.compare(p, what.size(), what) != 0) return false;
    p += what.size();
    return true;
  };
  if (!(number(view.bx) && skip(" ") && number(view.by) && skip(" ") && number(view.bvx) &&
        skip(" ") && number(view.bvy) && skip(")"))) {
    return false;
  }
  while (skip(" ((p \"")) {
    ViewPlayer player;
    size_t quote = text.find('"', p);
    if (quote == std::string::npos) return false;
    player.team = text.substr(p, quote - p);
    p = quote + 2;
    player.number = std::atoi(text.c_str() + p);
    p = text.find_first_of(" )", p);
    player.goalie = skip(" goalie");
    if (!(skip(") ") && number(player.x) && skip(" ") && number(player.y) && skip(" ") &&
          number(player.vx) && skip(" ") && number(player.vy) && skip(" ") && number(player.body) &&
          skip(" ") && number(player.neck) && skip(")"))) {
      return false;
    }
    view.players.push_back(player);
  }
  return p + 1 == text.size();
}

// The referee's text of "(hear T referee TEXT)", or empty for anything else; T into time.
inline std::string refereeText(const std::string& message, int& time) {
  if (message.rfind("(hear ", 0) != 0) return "";
  time = std::atoi(message.c_str() + 6);
  size_t from = message.find(" referee ");
  if (from == std::string::npos || message.back() != ')') return "";
  return message.substr(from + 9, message.size() - from - 10);
}
