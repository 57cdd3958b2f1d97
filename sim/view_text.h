// The global view of a match as the server sends it to a coach with eye on.
#pragma once

#include <string>

#include "sim/match_world.h"

// "(see_global T ((g l) -52.5 0) ((g r) 52.5 0) ((b) X Y VX VY) ((p "NAME" N [goalie]) X Y VX VY
// BODY NECK) ...)": the left team's players by uniform number, then the right team's; number 1
// of each team is flagged goalie; numbers with at most four decimals.
std::string viewText(int time, const World& world, const std::string& leftName,
                     const std::string& rightName);
