// Matching own players to opponents by how much their usual regions overlap,
// and the marking and positioning rules built from the match.
#pragma once

#include <memory>
#include <vector>

class CM_TokRule;

using RuleList = std::vector<std::unique_ptr<CM_TokRule>>;

// The value of an own index that stands for no player.
constexpr int NO_PLAYER = 12;

// For selector 0 (cycles in which the opponent has the ball): matches the own
// players (goalkeeper excluded) to the opponents sorted by their regions'
// xMax, two picks each for the first three, and returns, when withMarking, the
// marking rule first, then the positioning rule that sends each matched own
// player to the region of the opponent at the same position. Empty when no
// positioning directive results, always for selector 1 (own possession has no
// matching). Needs at least one state and the server parameters.
std::unique_ptr<RuleList> buildPositioningRules(int selector, bool withMarking);

// Rule in which own player ownIndices[i] + 1 marks opponent opponentNumbers[i],
// under (bowner opp {0}); indices for no player are passed over. Empty when no
// directive results.
std::unique_ptr<CM_TokRule> buildMarkingRule(std::vector<int> opponentNumbers,
                                             std::vector<int> ownIndices);
