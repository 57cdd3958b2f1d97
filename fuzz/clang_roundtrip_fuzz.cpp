// Fuzz target across the two coach-language parts: builds an info or advice
// message from the coach-language classes (any nesting of conditions and
// regions, any finite coordinates, non-empty player sets) and requires the
// stand-in server's checker to accept its protocol form with the same number of
// rules. A rejection is printed with the text and traps.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>

#include "coach_language/cm_act_mark.h"
#include "coach_language/cm_act_offsides_line.h"
#include "coach_language/cm_act_position.h"
#include "coach_language/cm_advice_message.h"
#include "coach_language/cm_cond_and.h"
#include "coach_language/cm_cond_ball_owner.h"
#include "coach_language/cm_cond_or.h"
#include "coach_language/cm_cond_play_mode.h"
#include "coach_language/cm_cond_player_position.h"
#include "coach_language/cm_dir_command.h"
#include "coach_language/cm_info_message.h"
#include "coach_language/cm_tok_rule.h"
#include "coach_language/player_set.h"
#include "coach_language/reg_arc.h"
#include "coach_language/reg_point_relative.h"
#include "coach_language/reg_point_simple.h"
#include "coach_language/reg_quad.h"
#include "coach_language/reg_union.h"
#include "sim/clang_check.h"

namespace {

constexpr int kMaxDepth = 6;

class Builder {
 public:
  explicit Builder(FuzzedDataProvider& in) : in(in) {}

  double number() {
    const float value = in.ConsumeFloatingPoint<float>();
    return std::isfinite(value) ? value : 0;
  }

  // A set of at least one player (all eleven print as {0}).
  PlayerSet players() {
    PlayerSet set(11);
    const auto mask = in.ConsumeIntegralInRange<std::uint16_t>(1, 0x7ff);
    for (int n = 1; n <= 11; ++n) {
      if ((mask >> (n - 1)) & 1) set.add(n);
    }
    return set;
  }

  std::unique_ptr<RegPoint> point(int depth) {
    if (depth < kMaxDepth && in.ConsumeIntegralInRange(0, 3) == 0) {
      const double dx = number();
      const double dy = number();
      return std::make_unique<RegPointRelative>(dx, dy, point(depth + 1));
    }
    const double x = number();
    return std::make_unique<RegPointSimple>(x, number());
  }

  std::unique_ptr<Region> region(int depth) {
    switch (depth < kMaxDepth ? in.ConsumeIntegralInRange(0, 3) : 0) {
      case 0:
        return point(depth + 1);
      case 1: {
        auto p0 = point(depth + 1);
        auto p1 = point(depth + 1);
        auto p2 = point(depth + 1);
        return std::make_unique<RegQuad>(std::move(p0), std::move(p1), std::move(p2),
                                         point(depth + 1));
      }
      case 2: {
        auto center = point(depth + 1);
        const double r0 = number();
        const double r1 = number();
        const double a0 = number();
        return std::make_unique<RegArc>(std::move(center), r0, r1, a0, number());
      }
      default: {
        RegionList members;
        const int count = in.ConsumeIntegralInRange(1, 3);
        for (int i = 0; i < count; ++i) members.push_back(region(depth + 1));
        return std::make_unique<RegUnion>(std::move(members));
      }
    }
  }

  std::unique_ptr<CM_Condition> condition(int depth) {
    switch (depth < kMaxDepth ? in.ConsumeIntegralInRange(0, 4) : in.ConsumeIntegralInRange(0, 2)) {
      case 0: {
        const bool our = in.ConsumeBool();
        return std::make_unique<CM_CondBallOwner>(our, players());
      }
      case 1:
        return std::make_unique<CM_CondPlayMode>(in.ConsumeIntegralInRange(0, 17));
      case 2: {
        const bool our = in.ConsumeBool();
        const PlayerSet set = players();
        const int low = in.ConsumeIntegralInRange(0, 11);
        const int high = in.ConsumeIntegralInRange(0, 11);
        return std::make_unique<CM_CondPlayerPosition>(our, set, low, high, region(depth + 1));
      }
      default: {
        const bool isAnd = in.ConsumeBool();
        ConditionList parts;
        const int count = in.ConsumeIntegralInRange(0, 3);
        for (int i = 0; i < count; ++i) parts.push_back(condition(depth + 1));
        if (isAnd) return std::make_unique<CM_CondAnd>(std::move(parts));
        return std::make_unique<CM_CondOr>(std::move(parts));
      }
    }
  }

  std::unique_ptr<CM_Directive> directive() {
    const bool positive = in.ConsumeBool();
    const bool our = in.ConsumeBool();
    const PlayerSet set = players();
    std::unique_ptr<CM_Action> action;
    switch (in.ConsumeIntegralInRange(0, 2)) {
      case 0:
        action = std::make_unique<CM_ActPosition>(region(1));
        break;
      case 1:
        action = std::make_unique<CM_ActOffsidesLine>(region(1));
        break;
      default:
        action = std::make_unique<CM_ActMark>(players());
    }
    return std::make_unique<CM_DirCommand>(positive, our, set, std::move(action));
  }

  TokenList rules() {
    TokenList tokens;
    const int count = in.ConsumeIntegralInRange(0, 4);
    for (int r = 0; r < count; ++r) {
      const int ttl = in.ConsumeIntegralInRange(1, 6000);
      auto condition = this->condition(0);
      DirectiveList directives;
      const int directiveCount = in.ConsumeIntegralInRange(1, 3);
      for (int d = 0; d < directiveCount; ++d) directives.push_back(directive());
      tokens.push_back(
          std::make_unique<CM_TokRule>(ttl, std::move(condition), std::move(directives)));
    }
    return tokens;
  }

 private:
  FuzzedDataProvider& in;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  Builder builder(in);
  const bool info = in.ConsumeBool();
  TokenList tokens = builder.rules();
  const int ruleCount = static_cast<int>(tokens.size());
  std::unique_ptr<CM_Message> message;
  if (info) {
    message = std::make_unique<CM_InfoMessage>(std::move(tokens));
  } else {
    message = std::make_unique<CM_AdviceMessage>(std::move(tokens));
  }
  std::ostringstream text;
  message->print(text);
  std::ostringstream pretty;
  message->printPretty(pretty, "T: ");

  const std::string printed = text.str();
  if (printed.size() > CLANG_MAX_MESSAGE_LENGTH) return 0;
  const ClangVerdict verdict = checkSayMessage(printed);
  if (!verdict.valid || verdict.ruleCount != ruleCount) {
    std::fprintf(stderr, "checker rejects the coach's text: %s\n  %s\n", verdict.error.c_str(),
                 printed.c_str());
    __builtin_trap();
  }
  return 0;
}
