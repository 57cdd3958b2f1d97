// Set-play learning: a sampling walk from the newest state back, then one rule
// per set-play kind from the opponents' repeated spots.
#include "coach/set_plays.h"

#include <algorithm>
#include <utility>

#include "coach/advice_records.h"
#include "coach/referee.h"
#include "coach_language/cm_act_position.h"
#include "coach_language/cm_cond_and.h"
#include "coach_language/cm_cond_ball_owner.h"
#include "coach_language/cm_cond_play_mode.h"
#include "coach_language/cm_dir_command.h"
#include "coach_language/cm_tok_rule.h"
#include "coach_language/player_set.h"
#include "coach_language/reg_point_simple.h"
#include "coach_language/reg_quad.h"
#include "geometry/point.h"
#include "state/cycle_state.h"
#include "state/history.h"
#include "state/settings.h"

namespace {

constexpr int NUM_CODES = 18;
constexpr int WALK_LENGTH = 1800;  // newest states looked at
constexpr int SPACING = 40;        // minimum distance between two sampled states
constexpr int RULE_TTL = 1800;
constexpr double MAX_SPREAD = 5;
constexpr int FK_OUR = 8;
constexpr int FK_OPP = 9;

using Samples = std::vector<Point>[NUM_CODES][11];

bool neverLearned(int code) {
  return code == 0 || code == 3 || code == 16 || code == 17;
}

// Fills samples with the opponents' positions at the set plays of the history;
// false when a code outside 0..17 turned up.
bool sampleSetPlays(const StateHistory& history, Samples& samples) {
  const int newest = static_cast<int>(history.size()) - 1;
  int lastCode = 0;
  int lastSampled = newest + SPACING;
  for (int s = newest; s >= 0 && s > newest - WALK_LENGTH; --s) {
    const CycleState& state = *history[s];
    const int code = classifyPlayMode(state);
    if (code < 0 || code >= NUM_CODES) return false;
    if (neverLearned(code) || s > lastSampled - SPACING || code == lastCode) continue;
    // Free kicks count only while the kicking side's goalkeeper holds the ball.
    const bool taken = (code != FK_OUR && code != FK_OPP) ||
                       (code == FK_OUR && state.ownerIsGoalie(ownSide)) ||
                       (code == FK_OPP && state.ownerIsGoalie(-ownSide));
    if (taken) {
      for (int p = 0; p < 11; ++p) samples[code][p].push_back(state.getPlayerPos(-ownSide, p + 1));
      lastSampled = s;
    }
    lastCode = code;
  }
  return true;
}

// Directive placing opponent p + 1 in the box of its samples when they lie
// close enough together; empty otherwise.
std::unique_ptr<CM_Directive> spotDirective(const std::vector<Point>& spots, int p) {
  if (spots.size() < 2) return nullptr;
  double minX = spots[0].x, maxX = spots[0].x, minY = spots[0].y, maxY = spots[0].y;
  for (const Point& q : spots) {
    minX = std::min(minX, q.x);
    maxX = std::max(maxX, q.x);
    minY = std::min(minY, q.y);
    maxY = std::max(maxY, q.y);
  }
  if (!(maxX - minX < MAX_SPREAD && maxY - minY < MAX_SPREAD)) return nullptr;
  auto corner = [](double x, double y) {
    return std::make_unique<RegPointSimple>(static_cast<float>(x), static_cast<float>(y));
  };
  auto quad = std::make_unique<RegQuad>(corner(minX, minY), corner(maxX, minY), corner(maxX, maxY),
                                        corner(minX, maxY));
  PlayerSet players(11);
  players.add(p + 1);
  return std::make_unique<CM_DirCommand>(true, false, players,
                                         std::make_unique<CM_ActPosition>(std::move(quad)));
}

// The play-mode condition of a code; free kicks also name the goalkeeper of the
// kicking side (nobody when none is flagged).
std::unique_ptr<CM_Condition> setPlayCondition(int code, const CycleState& newest) {
  auto playMode = std::make_unique<CM_CondPlayMode>(code);
  if (code != FK_OUR && code != FK_OPP) return playMode;
  const bool ourSide = code == FK_OUR;
  PlayerSet goalie(11);
  const int g = newest.getGoalieNumber(ourSide ? ownSide : -ownSide);
  if (g > 0) goalie.add(g);
  ConditionList parts;
  parts.push_back(std::move(playMode));
  parts.push_back(std::make_unique<CM_CondBallOwner>(ourSide, goalie));
  return std::make_unique<CM_CondAnd>(std::move(parts));
}

}  // namespace

std::vector<std::unique_ptr<CM_TokRule>> learnSetPlays() {
  std::vector<std::unique_ptr<CM_TokRule>> rules;
  setPlayToggle = !setPlayToggle;
  if (!setPlayToggle) return rules;
  const StateHistory& history = stateHistory();
  if (history.empty()) return rules;

  Samples samples;
  if (!sampleSetPlays(history, samples)) return rules;

  for (int code = 0; code < NUM_CODES; ++code) {
    DirectiveList directives;
    for (int p = 0; p < 11; ++p) {
      std::unique_ptr<CM_Directive> d = spotDirective(samples[code][p], p);
      if (d) directives.push_back(std::move(d));
    }
    if (directives.empty()) continue;
    rules.push_back(std::make_unique<CM_TokRule>(RULE_TTL, setPlayCondition(code, *history.back()),
                                                 std::move(directives)));
  }
  return rules;
}
