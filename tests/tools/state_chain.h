// A test helper: a chain of cycle states linked by previous, built without any
// listed player so that no recogniser marks anything; tests then set the fields
// they need directly.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "state/cycle_state.h"

namespace tools_test {

class StateChain {
 public:
  // count states, oldest first; state i (newest first) has ballPos x = i and time = count - 1 - i.
  explicit StateChain(int count) {
    for (int k = 0; k < count; ++k) {
      CycleState* previous = states.empty() ? nullptr : states.back().get();
      PlayerRecords players{};
      BallState ball{};
      states.push_back(std::make_unique<CycleState>(players, ball, static_cast<int16_t>(k),
                                                    previous, team, opponent, 3));
    }
    for (int i = 0; i < count; ++i) at(i).ballPos = Point{static_cast<double>(i), 0};
  }

  // State i counted from the newest (0) backwards.
  CycleState& at(int i) { return *states[states.size() - 1 - i]; }
  CycleState* newest() { return states.empty() ? nullptr : states.back().get(); }

 private:
  std::string team = "us";
  std::string opponent = "opponent";
  std::vector<std::unique_ptr<CycleState>> states;
};

}  // namespace tools_test
