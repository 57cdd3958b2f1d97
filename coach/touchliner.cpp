// Start-up of the coach and the trainer.
#include "coach/touchliner.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "coach/dispatch.h"
#include "coach/main_loop.h"
#include "net/communication.h"
#include "net/signals.h"
#include "state/settings.h"

const char* const usageText =
    "Usage: touchliner-v\t\tverbose-h hostname\thost the server runs on-p port\tport of the socket "
    "to server-t teamname\tname of coach's team-T             this is a trainer (not a coach)";

int parsePort(const char* text) {
  // As the C library's atoi: a number beyond int keeps its low bits.
  return static_cast<int>(std::strtol(text, nullptr, 10));
}

bool parseCommandLine(int argc, const char* const* argv, StartOptions& options) {
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    bool takesValue =
        std::strcmp(arg, "-h") == 0 || std::strcmp(arg, "-p") == 0 || std::strcmp(arg, "-t") == 0;
    if (std::strcmp(arg, "-v") == 0) {
      verbose = true;
    } else if (std::strcmp(arg, "-T") == 0) {
      trainerMode = true;
    } else if (!takesValue || i + 1 >= argc) {
      return false;
    } else {
      const char* value = argv[++i];
      if (arg[1] == 'h') options.host = value;
      if (arg[1] == 'p') options.port = parsePort(value);
      if (arg[1] == 't') teamName = value;
    }
  }
  return true;
}

int sideFromInitReply(const char* reply) {
  if (std::strncmp(reply, "(ini", 4) != 0) return 0;
  return std::strlen(reply) > 6 && reply[6] == 'r' ? -1 : 1;
}

namespace {

// Sends the init message and learns the side; false after reporting a failure.
bool shakeHands() {
  if (!send_init(teamName)) {
    std::cerr << "Can't send  init to server." << std::endl;
    return false;
  }
  if (verbose) std::cout << "Sent init to server." << std::endl;
  if (!wait_for_message()) {
    std::cerr << "Wait failed." << std::endl;
    return false;
  }
  int side = sideFromInitReply(receiveBuffer);
  if (side == 0) {
    std::cerr << "Server did not acknowledge init-message. Sent instead: " << receiveBuffer
              << std::endl;
    std::cerr << "Could not parse return of init message" << std::endl;
    return false;
  }
  ownSide = side;
  if (verbose) {
    std::cout << "Server acknowledged init-message." << std::endl;
    std::cout << "We are on side " << (side == 1 ? "l" : "r") << std::endl;
  }
  return true;
}

}  // namespace

int runTouchliner(int argc, char** argv) {
  // The process only ends by being terminated, so every line must leave at
  // its end even when standard output is a pipe or a file.
  std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);

  StartOptions options;
  if (!parseCommandLine(argc, argv, options)) {
    std::cerr << usageText << std::endl;
    return 1;
  }
  serverLink = open_server_link(options.host.c_str(), options.port);
  if (serverLink.socket < 0) {
    std::cerr << "Couldn't open socket." << std::endl;
    return 1;
  }
  if (!trainerMode && !shakeHands()) return 1;

  sigset_t waitMask = install_signal_handlers(dispatch_message);
  send_eye(true);
  if (trainerMode) send_ear(true);
  run_main_loop(waitMask);
}
