// The coach's two turns: the advice turn sends what the opponent does (where
// each opponent stands, where they stand at set plays) as an info message; the
// offside-line turn sends the offside line, marking and positioning as advice.
#include "coach/advice_turn.h"

#include <iostream>
#include <utility>

#include "coach/advice_records.h"
#include "coach/intake_records.h"
#include "coach/message_fitting.h"
#include "coach/occupancy.h"
#include "coach/offside_line.h"
#include "coach/server_params.h"
#include "coach/set_plays.h"
#include "coach_language/cm_info_message.h"
#include "coach_language/cm_tok_rule.h"
#include "net/communication.h"
#include "state/settings.h"

namespace {

const char* const HASH_ROW = "#########################";

}  // namespace

void runAdviceTurn() {
  if (!serverParams) return;
  if (currentTime - static_cast<int>(lastAdviceTime) <= serverParams->adviceInterval) return;
  lastAdviceTime = static_cast<std::int16_t>(currentTime);
  adviceTokens.clear();

  std::unique_ptr<CM_TokRule> cops = buildCopsRule(adviceToggle);
  adviceToggle = !adviceToggle;
  if (cops) adviceTokens.push_back(std::move(cops));

  std::vector<std::unique_ptr<CM_TokRule>> setPlays = learnSetPlays();
  std::cout << "bla: setplaytokens->size(): " << setPlays.size() << std::endl;
  for (std::unique_ptr<CM_TokRule>& rule : setPlays) {
    rule->printPretty(std::cout, "bla: setplay: ");
    adviceTokens.push_back(std::move(rule));
  }
  if (adviceTokens.empty()) return;

  CM_InfoMessage message;
  message.setTokens(fitTokens(std::move(adviceTokens), message));
  adviceTokens.clear();
  if (message.getTokens().empty()) return;
  if (verbose) {
    std::cout << HASH_ROW << std::endl;
    message.print(std::cout);
    std::cout << HASH_ROW << std::endl;
  }
  send_cm_message(message);
}

void runOffsideLineTurn() {
  if (!serverParams) return;
  if (currentTime - static_cast<int>(lastOffsideLineTime) <= serverParams->adviceInterval) return;
  markOlinePositioning(lastOffsideLineTime);
}
