// Where on the field a player usually stands: occupancy grids over recent
// cycles, their reduction to one rectangle of sections, the rectangle as a
// coach-language quadrangle, and the rule that tells the own players where each
// opponent takes position.
#pragma once

#include <cstdint>
#include <memory>

#include "geometry/rect_grid.h"
#include "geometry/region_of_sections.h"

class CycleState;
class RegQuad;
class CM_TokRule;

// Which cycles occupancyGrid counts; any other value counts none.
enum PossessionFilter : int {
  ANY = 0,         // every cycle
  OWN_BALL = 1,    // the analysed player's side is in possession
  OTHER_BALL = 2,  // the other side is in possession (not unknown)
  HAS_BALL = 3,    // the analysed player owns the ball
};

// Percentage of counted cycles per section that player number (1..11) of side
// (1 left, else right) stood in, over the window states walked back from state
// (state first; every walked state counts towards the window, skipped ones
// included). Goal play modes, off-field positions and cycles the filter rejects
// are not counted; with nothing counted every value is 0.
std::unique_ptr<RectGrid> occupancyGrid(const CycleState* state, int number, int side,
                                        std::int16_t window, int filter);

// The rectangle of sections where the player usually stands: a single section
// above 70 percent, else the box around two or more sections above 30, else the
// densest window of up to 2 x 2 sections (the last one on a tie). A player never
// counted gives the inverted record 7, 11, 0, 0, sum 0. Never empty.
std::unique_ptr<regionOfSections> playerRegion(const CycleState* state, int number, int side,
                                               std::int16_t window, int filter);

// The rectangle's outer boundary as a quadrangle in the own team's frame (both
// coordinates negated when the own team plays right); empty for no region.
std::unique_ptr<RegQuad> regionToQuad(const regionOfSections* region);

// Rule saying where each opponent stands while the opponent (opponentHasBall) or
// the own team has the ball, from the last 500 states. Works only on every
// second call (the first, third, ...; see copsToggle); empty otherwise, and when
// there is no state or no server parameters yet. Writes the rule's readable
// form with the header "COPS: " in verbose mode.
std::unique_ptr<CM_TokRule> buildCopsRule(bool opponentHasBall);
