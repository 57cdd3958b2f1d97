// Dispatch of a received message by its prefix.
#include "coach/dispatch.h"

#include <cstring>
#include <iostream>
#include <memory>

#include "coach/intake_records.h"
#include "coach/referee.h"
#include "coach/see_global.h"
#include "coach/server_params.h"
#include "net/communication.h"
#include "state/settings.h"

namespace {

bool startsWith(const char* text, const char* prefix) {
  return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

void storePlayerType(const char* text) {
  auto type = std::make_unique<Playertype>(text);
  if (type->id < 0) {
    std::cerr << "Warning, player type id " << type->id << " ignored." << std::endl;
    return;
  }
  int id = type->id;
  playerTypes[id] = std::move(type);
}

}  // namespace

void dispatch_message() {
  char* text = receiveBuffer;
  if (startsWith(text, "(server_param")) {
    serverParams = std::make_unique<Serverparam>(text);
  } else if (startsWith(text, "(player_param")) {
    playerParams = std::make_unique<Playerparam>(text);
  } else if (startsWith(text, "(player_type")) {
    storePlayerType(text);
  } else if (startsWith(text, "(error") || startsWith(text, "(warning")) {
    // Refusals are not repeated.
  } else if (startsWith(text, "(ok")) {
    if (verbose) std::cout << "Last command was ok." << std::endl;
  } else if (startsWith(text, "(hear")) {
    parse_hear(text);
  } else if (startsWith(text, "(see_global") || startsWith(text, "(see ")) {
    parse_see_global(text);
  } else {
    std::cerr << "Hm, received something I didn't understand:" << std::endl
              << "  " << text << std::endl;
  }
}
