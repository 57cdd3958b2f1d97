// Scoring a coach's rules against the truth of the match.
#include "sim/advice_score.h"

#include "sim/clang_regions.h"

namespace {

int opponentOf(char coachSide) {
  return coachSide == 'r' ? 0 : 1;
}

// The play-mode index a set-play rule's condition names, or -1.
int conditionPlayMode(const ClangCondition& condition) {
  if (condition.kind == ClangConditionKind::PlayMode) return condition.playMode;
  if (condition.kind == ClangConditionKind::And && !condition.conditions.empty() &&
      condition.conditions[0]->kind == ClangConditionKind::PlayMode) {
    return condition.conditions[0]->playMode;
  }
  return -1;
}

bool placesOpponents(const ClangRule& rule) {
  if (rule.directives.empty()) return false;
  for (const auto& directive : rule.directives) {
    if (!directive->positive || directive->ourSide || !directive->action ||
        directive->action->kind != ClangActionKind::Position || !directive->action->region ||
        directive->players.numbers.size() != 1) {
      return false;
    }
    int number = directive->players.numbers[0];
    if (number < 1 || number > TEAM_SIZE) return false;
  }
  return true;
}

}  // namespace

bool isOpponentPositionsRule(const ClangRule& rule) {
  const ClangCondition* c = rule.condition.get();
  return c != nullptr && c->kind == ClangConditionKind::BallOwner && !c->ourSide &&
         c->players.wholeTeam() && placesOpponents(rule);
}

RuleScore scoreOpponentPositions(const ClangRule& rule, const MatchTruth& truth, char coachSide) {
  RuleScore score;
  const TeamHabits& opponent = truth.habits[opponentOf(coachSide)];
  const double frame = coachSide == 'r' ? -1.0 : 1.0;
  for (const auto& directive : rule.directives) {
    int number = directive->players.numbers[0];
    const Spot& home = opponent.homeOwn[number - 1];
    ++score.named;
    if (clangRegionContains(*directive->action->region, frame * home.x, frame * home.y)) {
      ++score.matched;
    }
  }
  return score;
}

int setPlayModeOfCode(int code, char coachSide) {
  if (code == 1) return BEFORE_KICK_OFF;
  if (code < 4 || code > 13) return -1;
  int kind = (code - 4) / 2;  // kick-off, kick-in, free kick, corner kick, goal kick
  bool ours = code % 2 == 0;
  int own = coachSide == 'r' ? 1 : 0;
  return KICK_OFF_L + 2 * kind + (ours ? own : 1 - own);
}

bool isSetPlayRule(const ClangRule& rule) {
  return rule.condition && conditionPlayMode(*rule.condition) >= 0 && placesOpponents(rule);
}

RuleScore scoreSetPlay(const ClangRule& rule, const MatchTruth& truth, char coachSide,
                       double tolerance) {
  RuleScore score;
  int mode = setPlayModeOfCode(conditionPlayMode(*rule.condition), coachSide);
  int opponent = opponentOf(coachSide);
  for (const auto& directive : rule.directives) {
    ++score.named;
    if (mode < 0) continue;
    int number = directive->players.numbers[0];
    const ClangRegion& region = *directive->action->region;
    const Spot& spot = truth.habits[opponent].setPlay[mode][number - 1];
    bool matched = clangRegionContains(region, spot.x, spot.y, tolerance);
    for (const Restart& restart : truth.restarts) {
      if (!matched && restart.mode == mode && restart.taker == number &&
          takingSideOf(mode) == opponent) {
        matched = clangRegionContains(region, restart.ball.x, restart.ball.y, tolerance);
      }
    }
    if (matched) ++score.matched;
  }
  return score;
}
