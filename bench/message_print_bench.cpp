// Printing the advice turn's info message: twelve rules of eleven position
// directives each, in protocol form (what goes into "(say ...)"), in readable
// form (the verbose trace), and fitted into one say command.
#include <benchmark/benchmark.h>

#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "coach/message_fitting.h"
#include "coach_language/cm_act_position.h"
#include "coach_language/cm_cond_and.h"
#include "coach_language/cm_cond_ball_owner.h"
#include "coach_language/cm_cond_play_mode.h"
#include "coach_language/cm_dir_command.h"
#include "coach_language/cm_info_message.h"
#include "coach_language/cm_tok_rule.h"
#include "coach_language/player_set.h"
#include "coach_language/reg_point_simple.h"
#include "coach_language/reg_quad.h"

namespace {

constexpr int kRules = 12;

PlayerSet single(int number) {
  PlayerSet set(11);
  set.add(number);
  return set;
}

// Opponent number's box, with coordinates that print with several digits.
std::unique_ptr<RegQuad> box(int rule, int number) {
  const double x = -47.25 + 8.3125 * number + 0.37 * rule;
  const double y = -28.6 + 5.15 * (number % 6) - 0.21 * rule;
  auto pt = [](double px, double py) { return std::make_unique<RegPointSimple>(px, py); };
  return std::make_unique<RegQuad>(pt(x, y), pt(x + 10.5, y), pt(x + 10.5, y + 9.7142),
                                   pt(x, y + 9.7142));
}

// The occupancy rule first, then set-play rules (free kicks with their goalie condition).
TokenList adviceRules() {
  TokenList rules;
  for (int r = 0; r < kRules; ++r) {
    std::unique_ptr<CM_Condition> condition;
    if (r == 0) {
      condition = std::make_unique<CM_CondBallOwner>(true, single(0));
    } else if (r == 9) {
      ConditionList parts;
      parts.push_back(std::make_unique<CM_CondPlayMode>(9));
      parts.push_back(std::make_unique<CM_CondBallOwner>(false, single(1)));
      condition = std::make_unique<CM_CondAnd>(std::move(parts));
    } else {
      condition = std::make_unique<CM_CondPlayMode>(r < 3 ? r : r + 1);
    }
    DirectiveList directives;
    for (int n = 1; n <= 11; ++n) {
      directives.push_back(std::make_unique<CM_DirCommand>(
          true, false, single(n), std::make_unique<CM_ActPosition>(box(r, n))));
    }
    rules.push_back(std::make_unique<CM_TokRule>(r == 0 ? 100 : 1800, std::move(condition),
                                                 std::move(directives)));
  }
  return rules;
}

// Protocol form wrapped in "(say ...)", as the link sends it.
void BM_PrintInfoMessage(benchmark::State& state) {
  const CM_InfoMessage message(adviceRules());
  std::size_t length = 0;
  for (auto _ : state) {
    std::ostringstream text;
    message.print(text);
    const std::string say = "(say " + text.str() + ")";
    length = say.size();
    benchmark::DoNotOptimize(say.data());
  }
  state.counters["say_chars"] = static_cast<double>(length);
}
BENCHMARK(BM_PrintInfoMessage)->Unit(benchmark::kMicrosecond);

// Readable form, as the verbose trace writes it.
void BM_PrintPrettyInfoMessage(benchmark::State& state) {
  const CM_InfoMessage message(adviceRules());
  std::size_t length = 0;
  for (auto _ : state) {
    std::ostringstream text;
    message.printPretty(text, "ADVICE: ");
    length = text.str().size();
    benchmark::DoNotOptimize(length);
  }
  state.counters["chars"] = static_cast<double>(length);
}
BENCHMARK(BM_PrintPrettyInfoMessage)->Unit(benchmark::kMicrosecond);

// Choosing the rules that fit into one say command (each rule printed once more).
void BM_FitTokens(benchmark::State& state) {
  const CM_InfoMessage empty;
  std::size_t kept = 0;
  // fitTokens warns about every rule left out; keep that off the report.
  std::ostringstream warnings;
  std::streambuf* const standardError = std::cerr.rdbuf(warnings.rdbuf());
  for (auto _ : state) {
    state.PauseTiming();
    TokenList rules = adviceRules();
    state.ResumeTiming();
    TokenList fitted = fitTokens(std::move(rules), empty);
    kept = fitted.size();
    state.PauseTiming();
    fitted.clear();
    warnings.str("");
    state.ResumeTiming();
  }
  std::cerr.rdbuf(standardError);
  state.counters["rules_kept"] = static_cast<double>(kept);
}
BENCHMARK(BM_FitTokens)->Unit(benchmark::kMicrosecond);

}  // namespace
