// One connected client of the stand-in server: an online coach or a trainer.
#pragma once

#include <netinet/in.h>

#include <memory>
#include <string>

#include "sim/udp_socket.h"

struct Client {
  enum class Kind { Coach, Trainer };
  Kind kind = Kind::Coach;
  sockaddr_in address{};  // where the client's datagrams come from and answers go
  // The socket kept for this client: it answers from a port of its own.
  std::unique_ptr<UdpSocket> socket;
  std::string teamName;
  char side = 0;  // 'l' or 'r' for a coach, 0 for a trainer
  bool eyeOn = false;
  bool earOn = false;

  // The name under which the log shows the client: "l", "r" or "trainer".
  std::string logName() const {
    if (kind == Kind::Trainer) return "trainer";
    return std::string(1, side);
  }
};
