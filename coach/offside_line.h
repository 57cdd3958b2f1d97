// The own offside line at the averaged x of the opponents' second-most-advanced
// player, and the offside-line turn that sends it with the marking and
// positioning rules as one advice message.
#pragma once

#include <cstdint>
#include <memory>

#include "geometry/point.h"

class CycleState;
class CM_TokRule;

// Average position of player number (1..11) of side (1 left, else right) over
// up to count states before state (state itself is never sampled), skipping
// states with the player off the field; (0, 0) when nothing was sampled.
Point averagePosition(const CycleState* state, int number, int side, std::int16_t count);

// Rule (bowner opp {0}) -> offsides line across the field at the x (own team's
// frame) of the opponents' second-most-advanced player, averaged over the last
// adviceInterval states. Never empty (an empty history gives the line at 0).
std::unique_ptr<CM_TokRule> buildOffsideLineRule();

// Builds the offside-line, marking and positioning rules and sends them as one
// advice message (rules that do not fit into one say message are left out with
// a warning). Returns at once, leaving lastRunTime unchanged, while another call
// runs or with fewer than 2 states; otherwise sets lastRunTime to currentTime.
void markOlinePositioning(std::int16_t& lastRunTime);
