// The stand-in server's coach-language checker on long messages: the longest
// info message one say command of the coach can carry, and the longest text
// the checker accepts at all.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "sim/clang_check.h"

namespace {

// A position directive for opponent number with a box that prints with several digits.
std::string directive(int rule, int number) {
  const double x = -47.25 + 8.3125 * number + 0.37 * rule;
  const double y = -28.6 + 5.15 * (number % 6) - 0.21 * rule;
  char text[200];
  std::snprintf(text, sizeof text,
                "(do opp {%d} (pos (quad (pt %g %g) (pt %g %g) (pt %g %g) (pt %g %g))))", number, x,
                y, x + 10.5, y, x + 10.5, y + 9.7142, x, y + 9.7142);
  return text;
}

// Rules like the advice turn's (occupancy, set plays, free kicks with their
// goalie), added while the message stays within maxLength characters.
std::string infoMessage(std::size_t maxLength) {
  static const char* const conditions[] = {
      "(bowner our {0})", "(playm bko)",    "(playm ki_opp)",
      "(playm ko_our)",   "(playm ko_opp)", "(and (playm fk_opp) (bowner opp {1}))"};
  std::string message = "(info";
  for (int r = 0;; ++r) {
    std::string rule = "(";
    rule += std::to_string(r == 0 ? 100 : 1800);
    rule += ' ';
    rule += conditions[r % 6];
    for (int n = 1; n <= 11; ++n) {
      rule += ' ';
      rule += directive(r, n);
    }
    rule += ')';
    if (message.size() + 1 + rule.size() + 1 > maxLength) break;
    message += ' ';
    message += rule;
  }
  return message + ")";
}

// The text inside "(say ...)"; arg 0 is the coach's longest say, 1 the checker's limit.
void BM_CheckSayMessage(benchmark::State& state) {
  const std::string text = infoMessage(state.range(0) == 0 ? 5119 - 6 : CLANG_MAX_MESSAGE_LENGTH);
  int rules = 0;
  for (auto _ : state) {
    ClangVerdict verdict = checkSayMessage(text);
    if (!verdict.valid) {
      state.SkipWithError(("message rejected: " + verdict.error).c_str());
      break;
    }
    rules = verdict.ruleCount;
    benchmark::DoNotOptimize(verdict);
  }
  state.counters["chars"] = static_cast<double>(text.size());
  state.counters["rules"] = rules;
}
BENCHMARK(BM_CheckSayMessage)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The whole "(say ...)" command as the server receives it.
void BM_CheckSayCommand(benchmark::State& state) {
  const std::string command = "(say " + infoMessage(5119 - 6) + ")";
  for (auto _ : state) {
    ClangVerdict verdict = checkSayCommand(command);
    if (!verdict.valid) {
      state.SkipWithError(("command rejected: " + verdict.error).c_str());
      break;
    }
    benchmark::DoNotOptimize(verdict);
  }
  state.counters["chars"] = static_cast<double>(command.size());
}
BENCHMARK(BM_CheckSayCommand)->Unit(benchmark::kMicrosecond);

}  // namespace
