// The main loop of coach and trainer.
#include "coach/main_loop.h"

#include <cstdlib>
#include <cstring>
#include <iostream>

#include "coach/advice_turn.h"
#include "coach/intake_records.h"
#include "coach/see_global.h"
#include "net/communication.h"
#include "net/signals.h"
#include "state/settings.h"

bool runTrainerIteration() {
  if (halfTimeSeen) {
    if (verbose) std::cout << "Halftime: starting again..." << std::endl;
    std::strcpy(sendBuffer, "(start)");
    send_message();
    halfTimeSeen = false;
  }
  if (extendedTimeSeen) {
    if (verbose) std::cout << "Extended: stoping game..." << std::endl;
    gameOver = true;
    extendedTimeSeen = false;
  }
  return gameOver;
}

void run_main_loop(const sigset_t& mask) {
  while (wait_for_signal(mask)) {
    if (trainerMode) {
      if (runTrainerIteration()) {
        if (serverLink.socket >= 0) {
          close_server_link(serverLink.socket);
          serverLink.socket = -1;
        }
        print_statistics();
        std::exit(0);
      }
    } else {
      runAdviceTurn();
      runOffsideLineTurn();
    }
  }
  std::exit(0);
}
