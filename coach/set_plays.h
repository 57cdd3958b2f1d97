// Learning where the opponents stand at each kind of set play, from the last
// 1800 cycle states, and the rules that tell the own players about it.
#pragma once

#include <memory>
#include <vector>

class CM_TokRule;

// One rule per set-play code (ascending, at most one each) for the opponents
// that took nearly the same spot (spread below 5 m in x and in y) at two or
// more set plays of that kind; ttl 1800, quadrangles in field coordinates (not
// mirrored). Works only on every second call (the second, fourth, ...; see
// setPlayToggle); the other calls return an empty list. Never fails.
std::vector<std::unique_ptr<CM_TokRule>> learnSetPlays();
