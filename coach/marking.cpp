// Marking and positioning advice from the overlap of opponent and own regions.
#include "coach/marking.h"

#include <algorithm>
#include <iostream>
#include <utility>

#include "coach/intake_records.h"
#include "coach/occupancy.h"
#include "coach/server_params.h"
#include "coach_language/cm_act_mark.h"
#include "coach_language/cm_act_position.h"
#include "coach_language/cm_cond_ball_owner.h"
#include "coach_language/cm_dir_command.h"
#include "coach_language/cm_tok_rule.h"
#include "coach_language/player_set.h"
#include "coach_language/reg_quad.h"
#include "geometry/region_of_sections.h"
#include "state/cycle_state.h"
#include "state/history.h"
#include "state/settings.h"

namespace {

constexpr std::int16_t REGION_WINDOW = 300;
constexpr std::int16_t KEY_X_MAX = 4;
constexpr std::int16_t DESCENDING = 1;

using Regions = std::vector<std::unique_ptr<regionOfSections>>;

PlayerSet single(int number) {
  PlayerSet set(11);
  set.add(number);
  return set;
}

Regions teamRegions(const CycleState* latest, int side, int filter) {
  Regions regions;
  for (int n = 1; n <= 11; ++n)
    regions.push_back(playerRegion(latest, n, side, REGION_WINDOW, filter));
  return regions;
}

// Own indices in the order they were picked: two picks each for the opponents
// at positions 0 to 2, one for the others, until 11 picks are made. A pick
// takes the eligible own player sharing the most sections (lowest index on a
// tie), NO_PLAYER when none is left.
std::vector<int> matchPlayers(const CycleState& latest, const Regions& opponents,
                              const Regions& own) {
  std::vector<int> chosen;
  for (int l = 0; l < 11 && chosen.size() <= 10; ++l) {
    const int picks = l <= 2 ? 2 : 1;
    for (int pick = 0; pick < picks; ++pick) {
      int best = NO_PLAYER;
      int bestShared = -1;
      for (int o = 0; o <= 10; ++o) {
        if (latest.isGoalie(o, ownSide)) continue;
        const int shared = sectionsInCommon(opponents[l].get(), own[o].get());
        if (shared > bestShared && std::find(chosen.begin(), chosen.end(), o) == chosen.end()) {
          best = o;
          bestShared = shared;
        }
      }
      chosen.push_back(best);
    }
  }
  return chosen;
}

}  // namespace

std::unique_ptr<CM_TokRule> buildMarkingRule(std::vector<int> opponentNumbers,
                                             std::vector<int> ownIndices) {
  if (ownIndices.empty() || !serverParams) return nullptr;
  DirectiveList directives;
  for (std::size_t i = 0; i < ownIndices.size() && i < opponentNumbers.size(); ++i) {
    if (ownIndices[i] + 1 > 11) continue;
    directives.push_back(
        std::make_unique<CM_DirCommand>(true, true, single(ownIndices[i] + 1),
                                        std::make_unique<CM_ActMark>(single(opponentNumbers[i]))));
  }
  if (directives.empty()) return nullptr;
  return std::make_unique<CM_TokRule>(serverParams->adviceInterval,
                                      std::make_unique<CM_CondBallOwner>(false, single(0)),
                                      std::move(directives));
}

std::unique_ptr<RuleList> buildPositioningRules(int selector, bool withMarking) {
  const StateHistory& history = stateHistory();
  // Only the opponent-possession variant has a matching; the other yields no rule.
  if (selector != 0 || history.empty() || !serverParams) return nullptr;
  const CycleState* latest = history.back().get();
  auto result = std::make_unique<RuleList>();

  Regions opponents = teamRegions(latest, -ownSide, OWN_BALL);
  std::vector<int> numbers = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
  const Regions own = teamRegions(latest, ownSide, OTHER_BALL);
  sortRegions(opponents, KEY_X_MAX, numbers, DESCENDING);
  const std::vector<int> chosen = matchPlayers(*latest, opponents, own);

  if (withMarking) {
    std::vector<int> markers;
    for (std::size_t pick : {0u, 2u}) {
      if (pick < chosen.size()) {
        markers.push_back(chosen[pick]);
      } else {
        std::cerr << "Warning, trying to assign non-existing indizes." << std::endl;
      }
    }
    std::unique_ptr<CM_TokRule> markRule = buildMarkingRule(numbers, markers);
    if (markRule) {
      if (verbose) markRule->print(std::cout);
      result->push_back(std::move(markRule));
    }
  }

  DirectiveList directives;
  for (std::size_t i = 0; i < chosen.size() && i < opponents.size(); ++i) {
    if (chosen[i] + 1 > 11) continue;
    std::unique_ptr<RegQuad> quad = regionToQuad(opponents[i].get());
    if (!quad) continue;
    directives.push_back(std::make_unique<CM_DirCommand>(
        true, true, single(chosen[i] + 1), std::make_unique<CM_ActPosition>(std::move(quad))));
  }
  if (directives.empty()) return nullptr;
  auto posRule = std::make_unique<CM_TokRule>(serverParams->adviceInterval,
                                              std::make_unique<CM_CondBallOwner>(true, single(0)),
                                              std::move(directives));
  if (verbose) posRule->print(std::cout);
  result->push_back(std::move(posRule));
  return result;
}
