// Offside-line positioning: averaged opponent positions, the line rule, and the
// routine of the offside-line turn.
#include "coach/offside_line.h"

#include <iostream>
#include <utility>
#include <vector>

#include "coach/advice_records.h"
#include "coach/intake_records.h"
#include "coach/marking.h"
#include "coach/message_fitting.h"
#include "coach/server_params.h"
#include "coach_language/cm_act_offsides_line.h"
#include "coach_language/cm_advice_message.h"
#include "coach_language/cm_cond_ball_owner.h"
#include "coach_language/cm_dir_command.h"
#include "coach_language/cm_tok_rule.h"
#include "coach_language/player_set.h"
#include "coach_language/reg_point_simple.h"
#include "coach_language/reg_quad.h"
#include "geometry/field_sections.h"
#include "geometry/sort.h"
#include "net/communication.h"
#include "state/cycle_state.h"
#include "state/history.h"
#include "state/settings.h"

Point averagePosition(const CycleState* state, int number, int side, std::int16_t count) {
  const int slot = slotOf(side, number);
  if (slot < 0 || slot > 21) return Point{0, 0};
  int n = 0;
  double sumX = 0;
  double sumY = 0;
  for (const CycleState* p = state; n < count && p != nullptr && p->previous != nullptr;) {
    p = p->previous;
    const double x = p->players[slot].x;
    const double y = p->players[slot].y;
    if (!onField(x, y)) continue;
    sumX += x;
    sumY += y;
    ++n;
  }
  if (n == 0) return Point{0, 0};
  return Point{sumX / n, sumY / n};
}

std::unique_ptr<CM_TokRule> buildOffsideLineRule() {
  const StateHistory& history = stateHistory();
  const CycleState* latest = history.empty() ? nullptr : history.back().get();
  const int ttl = serverParams ? serverParams->adviceInterval : 0;

  Point averages[11];
  for (int n = 1; n <= 11; ++n) {
    averages[n - 1] = averagePosition(latest, n, -ownSide, static_cast<std::int16_t>(ttl));
  }
  sortByX(averages, 0, 10);
  // Second smallest x when the opponents attack towards -x, second largest when
  // they attack towards +x: their second-most-advanced player.
  const double lineX = ownSide == -1 ? averages[9].x : averages[1].x;
  const double s = ownSide == -1 ? -1 : 1;
  const double x = s * lineX;
  auto corner = [](double px, double py) {
    return std::make_unique<RegPointSimple>(static_cast<float>(px), static_cast<float>(py));
  };
  auto line = std::make_unique<RegQuad>(corner(x, s * -68 / 2), corner(x, s * -68 / 2),
                                        corner(x, s * 68 / 2), corner(x, s * 68 / 2));
  PlayerSet all(11);
  all.add(0);
  DirectiveList directives;
  directives.push_back(std::make_unique<CM_DirCommand>(
      true, true, all, std::make_unique<CM_ActOffsidesLine>(std::move(line))));
  return std::make_unique<CM_TokRule>(ttl, std::make_unique<CM_CondBallOwner>(false, all),
                                      std::move(directives));
}

void markOlinePositioning(std::int16_t& lastRunTime) {
  if (olineLock || stateHistory().size() < 2) return;
  olineLock = true;
  if (verbose) std::cout << "Starting to do markOlinePositioning" << std::endl;

  std::unique_ptr<RuleList> marking = buildPositioningRules(0, true);
  std::unique_ptr<RuleList> ownBall = buildPositioningRules(1, false);
  std::unique_ptr<CM_TokRule> line = buildOffsideLineRule();

  // The offside line first, then the own-possession rules, then marking and
  // positioning.
  TokenList tokens;
  tokens.push_back(std::move(line));
  for (RuleList* list : {ownBall.get(), marking.get()}) {
    if (list == nullptr) continue;
    for (std::unique_ptr<CM_TokRule>& rule : *list) tokens.push_back(std::move(rule));
  }
  CM_AdviceMessage message;
  message.setTokens(fitTokens(std::move(tokens), message));
  if (!message.getTokens().empty()) {
    send_cm_message(message);
  } else if (verbose) {
    std::cout << "There were no tokens. Nothing sent." << std::endl;
  }

  if (verbose) std::cout << "Unlocking markOlinePos()" << std::endl;
  olineLock = false;
  lastRunTime = static_cast<std::int16_t>(currentTime);
}
