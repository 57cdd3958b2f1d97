// The stand-in server's event loop: its two well-known ports, a socket per client, the
// handshake, the client commands and the pacing of the game it plays.
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "sim/client.h"
#include "sim/game_source.h"
#include "sim/line_file.h"
#include "sim/say_check.h"
#include "sim/sim_options.h"
#include "sim/udp_socket.h"

class SimServer : public GameOutput {
 public:
  // Borrows options, which must outlive the server; owns the game.
  SimServer(const SimOptions& options, std::unique_ptr<GameSource> game);

  // Binds the well-known ports and creates the output files. False with a reason in error.
  bool open(std::string& error);
  // Serves until the game has finished and the linger time has passed, or until SIGINT or
  // SIGTERM. Returns the process's exit status.
  int run();

  void sendView(const std::string& text) override;
  void sendHear(const std::string& text) override;
  bool trainerConnected() const override;

 private:
  using Clock = std::chrono::steady_clock;

  void readSocket(const UdpSocket& socket, const char* portName);
  void handleDatagram(const UdpSocket& socket, const char* portName, std::string text,
                      const sockaddr_in& from);
  void handleInit(const std::string& text, const sockaddr_in& from, const UdpSocket& socket);
  void handleCommand(Client& client, const std::string& text);
  Client* findClient(const sockaddr_in& from);
  // The side a coach with this team name joins: 'l', 'r', or 0 when none is free.
  char chooseSide(const std::string& teamName) const;
  void send(const Client& client, const std::string& text);
  void sendToAll(const std::string& text, bool onlyEyeOn);
  void maybeBegin();

  const SimOptions& options_;
  std::unique_ptr<GameSource> game_;
  UdpSocket coachPort_;
  UdpSocket trainerPort_;
  std::vector<std::unique_ptr<Client>> clients_;
  std::string sideNames_[2];  // team names of the left and the right side, once known
  bool sideTaken_[2] = {false, false};
  LineFile log_;
  LineFile record_;
  SayChecker sayChecker_;
  bool begun_ = false;
  bool beginAtInit_ = false;
  Clock::time_point nextCycle_;
};
