// Fuzz target of the cycle state, its recognisers and the coach's two turns:
// a history of fuzzed views (players wandering anywhere, on and off the field,
// appearing and vanishing, now and then with values a damaged view can carry:
// not-a-number, infinities, huge magnitudes), any play modes and advice
// intervals, then the advice and offside-line turns as the main loop runs them.
// The turns' say commands go nowhere (no socket); their text must still pass
// the stand-in server's checker whenever every value in the history is finite.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <memory>

#include "coach/advice_records.h"
#include "coach/advice_turn.h"
#include "coach/intake_records.h"
#include "coach/server_params.h"
#include "net/communication.h"
#include "sim/clang_check.h"
#include "state/history.h"
#include "state/settings.h"

namespace {

constexpr int kMaxStates = 400;

// A value that a damaged number in a view can turn into.
double oddValue(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 4)) {
    case 0:
      return std::numeric_limits<double>::quiet_NaN();
    case 1:
      return std::numeric_limits<double>::infinity();
    case 2:
      return -std::numeric_limits<double>::infinity();
    case 3:
      return 1e300;
    default:
      return -1e300;
  }
}

// Runs both turns; a say command they built (left in the send buffer, as no
// socket takes it) must pass the checker unless the history holds odd values.
void runTurns(bool oddValues) {
  sendBuffer[0] = '\0';
  runAdviceTurn();
  const ClangVerdict advice = checkSayCommand(sendBuffer);
  if (sendBuffer[0] != '\0' && !oddValues && !advice.valid) {
    std::fprintf(stderr, "info rejected: %s\n  %s\n", advice.error.c_str(), sendBuffer);
    __builtin_trap();
  }
  sendBuffer[0] = '\0';
  runOffsideLineTurn();
  const ClangVerdict oline = checkSayCommand(sendBuffer);
  if (sendBuffer[0] != '\0' && !oddValues && !oline.valid) {
    std::fprintf(stderr, "advice rejected: %s\n  %s\n", oline.error.c_str(), sendBuffer);
    __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  resetSettings();
  resetIntakeRecords();
  resetStateHistory();
  resetAdviceRecords();
  serverLink = ServerLink{};
  teamName = "Touchliner";
  ownSide = in.ConsumeBool() ? 1 : -1;
  serverParams = std::make_unique<Serverparam>();
  serverParams->adviceInterval = in.ConsumeIntegralInRange(1, 120);

  PlayerRecords players{};
  for (int slot = 0; slot < 22; ++slot) {
    players[slot].side = slot <= 10 ? 1 : -1;
    players[slot].isGoalie = slot == 0 || slot == 11;
  }
  BallState ball;
  bool oddValues = false;
  int time = in.ConsumeIntegralInRange(0, 6000);
  int playMode = 3;
  const int states = in.ConsumeIntegralInRange(1, kMaxStates);
  for (int s = 0; s < states && in.remaining_bytes() > 0; ++s) {
    // Steps of up to 3.2 m for a few players per view, so the ball comes near them.
    const int moves = in.ConsumeIntegralInRange(0, 4);
    for (int m = 0; m < moves; ++m) {
      PlayerState& p = players[in.ConsumeIntegralInRange(0, 21)];
      p.listed = in.ConsumeIntegralInRange(0, 15) != 0;
      p.vx = in.ConsumeIntegral<std::int8_t>() / 40.0;
      p.vy = in.ConsumeIntegral<std::int8_t>() / 40.0;
      p.x += p.vx;
      p.y += p.vy;
      if (in.ConsumeIntegralInRange(0, 63) == 0) {
        p.x = oddValue(in);
        oddValues = true;
      }
    }
    if (in.ConsumeBool()) {
      const PlayerState& near = players[in.ConsumeIntegralInRange(0, 21)];
      ball = BallState{near.x + in.ConsumeIntegral<std::int8_t>() / 100.0, near.y, 0, 0};
    } else {
      ball.vx = in.ConsumeIntegral<std::int8_t>() / 20.0;
      ball.vy = in.ConsumeIntegral<std::int8_t>() / 20.0;
      ball.x += ball.vx;
      ball.y += ball.vy;
    }
    if (in.ConsumeIntegralInRange(0, 7) == 0) playMode = in.ConsumeIntegralInRange(0, 31);
    time += in.ConsumeIntegralInRange(0, 2);
    currentTime = time;
    currentPlayMode = static_cast<short>(playMode);
    appendState(players, ball, static_cast<std::int16_t>(time), playMode);
    if (in.ConsumeIntegralInRange(0, 15) == 0) runTurns(oddValues);
  }
  runTurns(oddValues);
  return 0;
}
