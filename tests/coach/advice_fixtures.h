// Small building blocks for the analysis and advice-turn tests: player records
// placed on the field, states appended straight to the history, a fixture that
// resets every process-wide record around each test, and a loopback UDP peer
// standing in for the server when a turn sends.
#pragma once

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <string>

#include "coach/advice_records.h"
#include "coach/intake_records.h"
#include "coach/server_params.h"
#include "net/communication.h"
#include "state/cycle_state.h"
#include "state/history.h"
#include "state/settings.h"
#include "tests/support/udp_peer.h"

namespace advice_test {

// Every slot listed on its side; left players on the line y = -30, right
// players on y = 30, far from each other and from the ball spot used below.
inline PlayerRecords spreadPlayers() {
  PlayerRecords players{};
  for (int n = 1; n <= 11; ++n) {
    PlayerState& left = players[slotOf(1, n)];
    left.x = -45 + 8 * (n - 1);
    left.y = -30;
    left.side = 1;
    left.listed = true;
    PlayerState& right = players[slotOf(-1, n)];
    right.x = -45 + 8 * (n - 1);
    right.y = 30;
    right.side = -1;
    right.listed = true;
  }
  return players;
}

inline void place(PlayerRecords& players, int side, int number, double x, double y) {
  players[slotOf(side, number)].x = x;
  players[slotOf(side, number)].y = y;
}

// A ball that nobody controls with spreadPlayers().
inline BallState freeBall() {
  return BallState{0, 0, 0, 0};
}

// A ball at the feet of player number of side (it becomes the owner).
inline BallState ballAt(const PlayerRecords& players, int side, int number) {
  const PlayerState& p = players[slotOf(side, number)];
  return BallState{p.x, p.y, 0, 0};
}

// Appends one state; its time is its index in the history.
inline void addState(const PlayerRecords& players, const BallState& ball, int playMode = 3) {
  appendState(players, ball, static_cast<int16_t>(stateHistory().size()), playMode);
}

// Every record the analyses and turns read starts from its initial value, with
// the own team on the left and an advice interval of 100.
class AnalysisTest : public testing::Test {
 protected:
  void SetUp() override {
    resetAll();
    ownSide = 1;
    serverParams = std::make_unique<Serverparam>();
    serverParams->adviceInterval = 100;
  }
  void TearDown() override { resetAll(); }

  static void resetAll() {
    resetSettings();
    resetStateHistory();
    resetIntakeRecords();
    resetAdviceRecords();
  }
};

// A UDP socket on 127.0.0.1 playing the server: serverLink points at it for
// the lifetime of the object.
class LoopbackServer {
 public:
  LoopbackServer() {
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    serverLink.socket = fd;
    serverLink.serverAddress = sockaddr_in{};
    serverLink.serverAddress.sin_family = AF_INET;
    serverLink.serverAddress.sin_port = htons(static_cast<uint16_t>(peer.port()));
    serverLink.serverAddress.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  }
  ~LoopbackServer() {
    if (serverLink.socket >= 0) close(serverLink.socket);
    serverLink = ServerLink{};
  }
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  bool ok() const { return peer.ok() && serverLink.socket >= 0; }

  // The next datagram the coach sent, or "" when none came within 200 ms.
  std::string next() {
    std::string text;
    if (!peer.receive(text, std::chrono::milliseconds(200))) return "";
    return text;
  }

 private:
  test_support::UdpPeer peer;
};

}  // namespace advice_test
