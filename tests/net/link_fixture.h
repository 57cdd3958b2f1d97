// A server link opened towards a loopback test peer, shared by the link and
// signal tests.
#pragma once

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

#include "net/communication.h"
#include "state/settings.h"
#include "tests/support/process.h"
#include "tests/support/udp_peer.h"

class LinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetSettings();
    ASSERT_TRUE(server.ok());
    serverLink = open_server_link("127.0.0.1", server.port());
    ASSERT_GE(serverLink.socket, 0);
    sockaddr_in local{};
    socklen_t length = sizeof local;
    getsockname(serverLink.socket, reinterpret_cast<sockaddr*>(&local), &length);
    coachPort = ntohs(local.sin_port);
  }
  void TearDown() override {
    close_server_link(serverLink.socket);
    serverLink = ServerLink{};
    resetSettings();
  }
  // Waits (bounded) until the coach's socket holds a datagram.
  bool arrived() {
    return test_support::waitUntil([] { return datagram_waiting(); },
                                   std::chrono::milliseconds(2000));
  }
  int serverPort() const { return ntohs(serverLink.serverAddress.sin_port); }

  test_support::UdpPeer server;
  int coachPort = 0;
};
