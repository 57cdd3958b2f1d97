// Test fixture that builds hand-made histories through appendState: players are
// placed by slot, each append is one view with the given ball and play mode.
#pragma once

#include <gtest/gtest.h>

#include "state/history.h"
#include "state/settings.h"

class HistoryTest : public ::testing::Test {
 protected:
  static constexpr int kPlayOn = 3;

  void SetUp() override {
    resetSettings();
    resetStateHistory();
  }
  void TearDown() override { resetStateHistory(); }

  // Lists slot at (x, y) with the side its slot implies.
  void place(int slot, double x, double y) {
    PlayerState& p = players[slot];
    p.x = x;
    p.y = y;
    p.side = slot <= 10 ? 1 : -1;
    p.listed = true;
  }
  void remove(int slot) { players[slot] = PlayerState{}; }

  // Appends one view with the current players and the given ball; returns the new state.
  CycleState& append(double x, double y, double vx = 0, double vy = 0, int playMode = kPlayOn) {
    appendState(players, BallState{x, y, vx, vy}, nextTime++, playMode);
    return *stateHistory().back();
  }

  CycleState& at(std::size_t index) { return *stateHistory().at(index); }
  std::size_t size() const { return stateHistory().size(); }

  PlayerRecords players{};
  int16_t nextTime = 1;
};
