// Comparison of a coach's advice with the truth of a generated match: how many opponents the
// opponent-positions rule places around their true home spots, and whether the set-play rules
// place the opponents they name at their true set-play spots.
#pragma once

#include "sim/clang_tree.h"
#include "sim/match_truth.h"

// How well one rule agrees with the truth.
struct RuleScore {
  int named = 0;    // opponents the rule places
  int matched = 0;  // of those, placed where the truth has them
};

// True for an opponent-positions rule: condition "(bowner opp {0})" and only directives
// "(do opp {n} (pos REGION))".
bool isOpponentPositionsRule(const ClangRule& rule);

// For an opponent-positions rule sent by the coach of coachSide ('l' or 'r'): an opponent is
// matched when his region holds his true home spot for his own team's possession, in the
// coach's own frame (both coordinates negated for a coach on the right).
RuleScore scoreOpponentPositions(const ClangRule& rule, const MatchTruth& truth, char coachSide);

// The set-play mode a coach on coachSide means by coach-language play-mode index code (4 to 13
// and 1); -1 for codes that name no set play.
int setPlayModeOfCode(int code, char coachSide);

// True for a set-play rule: condition "(playm NAME)" or "(and (playm NAME) ...)" naming a set
// play, and directives "(do opp {n} (pos REGION))".
bool isSetPlayRule(const ClangRule& rule);

// For a set-play rule of the coach on coachSide: an opponent is matched when his region lies
// within tolerance metres of his true spot for that set play (field frame), or, when he took a
// set play of that mode, of the ball's spot there.
RuleScore scoreSetPlay(const ClangRule& rule, const MatchTruth& truth, char coachSide,
                       double tolerance = 2.0);
