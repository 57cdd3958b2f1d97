// Event loop of the stand-in server.
#include "sim/sim_server.h"

#include <poll.h>

#include <algorithm>
#include <csignal>
#include <ctime>
#include <iostream>
#include <utility>

#include "sim/advice_summary.h"
#include "sim/match_truth.h"
#include "sim/param_messages.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) {
  stopRequested = 1;
}

// Installs SIGINT and SIGTERM handlers without SA_RESTART, so that a waiting poll returns.
void installStopHandlers() {
  struct sigaction action {};
  action.sa_handler = requestStop;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

// Drops the zero bytes and line ends some clients put after their command.
std::string trimmed(std::string text) {
  while (!text.empty() && (text.back() == '\0' || text.back() == '\n' || text.back() == '\r')) {
    text.pop_back();
  }
  return text;
}

// Reads the team name of "(init NAME (version V))"; false when the text is no such init.
bool readInitName(const std::string& text, std::string& name) {
  if (text.rfind("(init ", 0) != 0) return false;
  size_t end = text.find(' ', 6);
  if (end == std::string::npos || text.compare(end, 9, " (version") != 0) return false;
  name = text.substr(6, end - 6);
  return true;
}

}  // namespace

SimServer::SimServer(const SimOptions& options, std::unique_ptr<GameSource> game)
    : options_(options), game_(std::move(game)) {
  sideNames_[0] = options.leftName;
  sideNames_[1] = options.rightName;
}

bool SimServer::open(std::string& error) {
  if (!coachPort_.open(options_.coachPort)) {
    error = "cannot bind the coach port " + std::to_string(options_.coachPort);
    return false;
  }
  if (!trainerPort_.open(options_.trainerPort)) {
    error = "cannot bind the trainer port " + std::to_string(options_.trainerPort);
    return false;
  }
  if (!options_.logFile.empty() && !log_.open(options_.logFile)) {
    error = "cannot create the log file " + options_.logFile;
    return false;
  }
  if (!options_.recordFile.empty()) {
    if (!record_.open(options_.recordFile)) {
      error = "cannot create the record file " + options_.recordFile;
      return false;
    }
    if (!options_.noParams) {
      record_.writeLine(serverParamMessage(options_.adviceInterval));
      record_.writeLine(playerParamMessage());
      for (int id = 0; id < playerTypeCount; ++id) record_.writeLine(playerTypeMessage(id));
    }
  }
  if (!sayChecker_.open(options_.adviceLogFile, options_.clangWindow, options_.showAdvice)) {
    error = "cannot create the advice log " + options_.adviceLogFile;
    return false;
  }
  return true;
}

int SimServer::run() {
  installStopHandlers();
  bool lingering = false;
  Clock::time_point lingerEnd;
  while (!stopRequested) {
    Clock::time_point now = Clock::now();
    if (begun_ && !lingering && now >= nextCycle_) {
      game_->step(*this);
      // A late cycle is not made up by sending the next one at once: views stay at least half
      // a cycle apart, so a client that keeps pace sees them one at a time.
      auto period = std::chrono::milliseconds(options_.cycleMs);
      nextCycle_ = std::max(nextCycle_ + period, Clock::now() + period / 2);
      if (game_->finished()) {
        lingering = true;
        lingerEnd = Clock::now() + std::chrono::milliseconds(options_.lingerMs);
      }
    }
    if (lingering && Clock::now() >= lingerEnd) break;

    std::vector<pollfd> fds;
    fds.push_back({coachPort_.descriptor(), POLLIN, 0});
    fds.push_back({trainerPort_.descriptor(), POLLIN, 0});
    for (const auto& client : clients_) fds.push_back({client->socket->descriptor(), POLLIN, 0});
    timespec timeout{1, 0};
    Clock::time_point wake = lingering ? lingerEnd : begun_ ? nextCycle_ : Clock::time_point{};
    if (lingering || begun_) {
      auto wait = std::chrono::duration_cast<std::chrono::nanoseconds>(wake - Clock::now());
      if (wait.count() < 0) wait = std::chrono::nanoseconds(0);
      if (wait < std::chrono::seconds(1)) {
        timeout.tv_sec = 0;
        timeout.tv_nsec = static_cast<long>(wait.count());
      }
    }
    int ready = ppoll(fds.data(), fds.size(), &timeout, nullptr);
    if (ready <= 0) continue;
    if (fds[0].revents & POLLIN) readSocket(coachPort_, "coach-port");
    if (fds[1].revents & POLLIN) readSocket(trainerPort_, "trainer-port");
    // Commands may add clients; only the sockets polled this round are read.
    for (size_t i = 2; i < fds.size(); ++i) {
      if (fds[i].revents & POLLIN) readSocket(*clients_[i - 2]->socket, nullptr);
    }
  }
  if (options_.summary) {
    MatchTruth truth;
    bool haveTruth = !options_.truthFile.empty() && readMatchTruth(options_.truthFile, truth);
    printAdviceSummary(std::cout, sayChecker_.records(), haveTruth ? &truth : nullptr);
  }
  return 0;
}

void SimServer::readSocket(const UdpSocket& socket, const char* portName) {
  std::string text;
  sockaddr_in from{};
  while (socket.receive(text, from) == 1) handleDatagram(socket, portName, text, from);
}

void SimServer::handleDatagram(const UdpSocket& socket, const char* portName, std::string text,
                               const sockaddr_in& from) {
  text = trimmed(std::move(text));
  Client* client = findClient(from);
  std::string where = portName != nullptr ? portName : client != nullptr ? client->logName() : "?";
  log_.writeLine(std::to_string(game_->cycle()) + ' ' + where + ' ' + text);
  if (client != nullptr) {
    handleCommand(*client, text);
  } else if (&socket == &coachPort_) {
    handleInit(text, from, socket);
  } else if (&socket == &trainerPort_) {
    auto trainer = std::make_unique<Client>();
    trainer->kind = Client::Kind::Trainer;
    trainer->address = from;
    trainer->socket = std::make_unique<UdpSocket>();
    if (!trainer->socket->open(0)) return;
    clients_.push_back(std::move(trainer));
    if (options_.scriptAtInit) beginAtInit_ = true;
    handleCommand(*clients_.back(), text);
    maybeBegin();
  }
}

void SimServer::handleInit(const std::string& text, const sockaddr_in& from,
                           const UdpSocket& socket) {
  std::string name;
  if (!readInitName(text, name)) {
    socket.sendTo(from, "(error unknown_command)");
    return;
  }
  char side = chooseSide(name);
  if (side == 0) {
    socket.sendTo(from, "(error no_more_team_or_player_or_goalie)");
    return;
  }
  auto coach = std::make_unique<Client>();
  coach->address = from;
  coach->teamName = name;
  coach->side = side;
  coach->socket = std::make_unique<UdpSocket>();
  if (!coach->socket->open(0)) return;
  int index = side == 'l' ? 0 : 1;
  sideNames_[index] = name;
  sideTaken_[index] = true;
  clients_.push_back(std::move(coach));
  const Client& joined = *clients_.back();
  for (const std::string& line : options_.beforeInit) send(joined, line);
  if (!options_.noInitReply) {
    send(joined,
         !options_.initReply.empty() ? options_.initReply : std::string("(init ") + side + " ok)");
  }
  if (!options_.noParams) {
    send(joined, serverParamMessage(options_.adviceInterval));
    send(joined, playerParamMessage());
    for (int id = 0; id < playerTypeCount; ++id) send(joined, playerTypeMessage(id));
  }
  for (const std::string& line : options_.afterInit) send(joined, line);
  if (options_.scriptAtInit) beginAtInit_ = true;
  maybeBegin();
}

void SimServer::handleCommand(Client& client, const std::string& text) {
  std::string answer = "(error unknown_command)";
  if (text == "(eye on)" || text == "(eye off)") {
    client.eyeOn = text == "(eye on)";
    answer = client.eyeOn ? "(ok eye on)" : "(ok eye off)";
  } else if (text == "(ear on)" || text == "(ear off)") {
    client.earOn = text == "(ear on)";
    answer = client.earOn ? "(ok ear on)" : "(ok ear off)";
  } else if (text == "(start)" && client.kind == Client::Kind::Trainer) {
    answer = "(ok start)";
    if (begun_) game_->trainerStart();
  } else if (text.rfind("(say ", 0) == 0) {
    answer = client.kind == Client::Kind::Coach
                 ? sayChecker_.answer(text, game_->cycle(), game_->playOn(), client.side)
                 : "(ok say)";
  }
  send(client, answer);
  maybeBegin();
}

Client* SimServer::findClient(const sockaddr_in& from) {
  for (const auto& client : clients_) {
    if (sameAddress(client->address, from)) return client.get();
  }
  return nullptr;
}

char SimServer::chooseSide(const std::string& teamName) const {
  for (int index = 0; index < 2; ++index) {
    if (!sideTaken_[index] && sideNames_[index] == teamName && !teamName.empty()) {
      return "lr"[index];
    }
  }
  for (int index = 0; index < 2; ++index) {
    bool reserved = index == 0 ? !options_.leftName.empty() : !options_.rightName.empty();
    if (!sideTaken_[index] && !reserved) return "lr"[index];
  }
  return 0;
}

void SimServer::send(const Client& client, const std::string& text) {
  client.socket->sendTo(client.address, text);
}

void SimServer::sendToAll(const std::string& text, bool onlyEyeOn) {
  for (const auto& client : clients_) {
    if (!onlyEyeOn || client->eyeOn) send(*client, text);
  }
  record_.writeLine(text);
}

// With --script-at-init the game reaches a coach before it has asked for views.
void SimServer::sendView(const std::string& text) {
  sendToAll(text, !options_.scriptAtInit);
}

void SimServer::sendHear(const std::string& text) {
  sendToAll(text, false);
}

bool SimServer::trainerConnected() const {
  for (const auto& client : clients_) {
    if (client->kind == Client::Kind::Trainer) return true;
  }
  return false;
}

void SimServer::maybeBegin() {
  if (begun_) return;
  int eyes = 0;
  for (const auto& client : clients_) eyes += client->eyeOn ? 1 : 0;
  if (!beginAtInit_ && eyes < options_.clients) return;
  begun_ = true;
  // A side keeps the name its coach gave (even an empty one), else its reserved name, else a
  // default.
  auto nameOf = [this](int index) {
    bool named = sideTaken_[index] || !sideNames_[index].empty();
    return named ? sideNames_[index] : std::string(index == 0 ? "left" : "right");
  };
  game_->begin(nameOf(0), nameOf(1));
  nextCycle_ = Clock::now();
}
