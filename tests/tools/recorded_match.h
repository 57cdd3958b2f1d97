// A test helper: the text of a small recorded match between "Alpha" (left) and
// "Beta" (right) in the format the stand-in server plays and records. Alpha's
// number 10 kicks at cycle 2 and number 11 receives at cycle 6 (a pass of the
// left side starting at cycle 2); Beta's number 10 has the ball at cycles 8
// and 9; at cycle 10 the ball is free with nobody within 15 m. Beta stands
// mirrored to Alpha.
#pragma once

#include <array>
#include <sstream>
#include <string>

namespace tools_test {

struct Spot {
  double x, y;
};

// Alpha's positions by uniform number 1 to 11.
inline const std::array<Spot, 11> kAlpha = {{{-50, 0},
                                             {-36, -20},
                                             {-35, -7},
                                             {-34, 7},
                                             {-33, 20},
                                             {-16, -10},
                                             {-15, 0},
                                             {-14, 10},
                                             {4, -10},
                                             {5, 0},
                                             {6, 10}}};

inline std::string globalView(int cycle, double bx, double by, double bvx, double bvy) {
  std::ostringstream view;
  view << "(see_global " << cycle << " ((g l) -52.5 0) ((g r) 52.5 0) ((b) " << bx << ' ' << by
       << ' ' << bvx << ' ' << bvy << ')';
  for (int team = 0; team < 2; ++team) {
    for (int n = 1; n <= 11; ++n) {
      const Spot& spot = kAlpha[n - 1];
      double sign = team == 0 ? 1 : -1;
      view << " ((p \"" << (team == 0 ? "Alpha" : "Beta") << "\" " << n << (n == 1 ? " goalie" : "")
           << ") " << sign * spot.x + 0.0 << ' ' << sign * spot.y + 0.0 << " 0 0 "
           << (team == 0 ? 0 : 180) << " 0)";
    }
  }
  view << ')';
  return view.str();
}

// initLetter 0 leaves the init reply out.
inline std::string recordedMatch(char initLetter = 'l') {
  std::string text = "# a short recorded match\n";
  if (initLetter != 0) text += std::string("(init ") + initLetter + " ok)\n";
  text +=
      "\n"
      "(hear 0 referee play_on)\n";
  struct Ball {
    double x, y, vx, vy;
  } balls[] = {{5.5, 0.5, 0, 0},    {5.5, 0.5, 0, 3},      {5.5, 3.5, 0, 2.4},
               {5.5, 5.9, 0, 1.92}, {5.5, 7.82, 0, 1.536}, {5.5, 9.356, 0, 1.229},
               {5.5, 9.356, 0, 0},  {-5.5, 0, 0, 0},       {-5.5, 0, 0, 0},
               {0, 33, 0, 0}};
  int cycle = 1;
  for (const Ball& b : balls) text += globalView(cycle++, b.x, b.y, b.vx, b.vy) + "\n";
  return text;
}

}  // namespace tools_test
