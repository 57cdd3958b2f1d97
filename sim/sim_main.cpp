// touchliner-sim: a stand-in for the soccer simulation server that plays a script or a
// generated match to an online coach and a trainer over loopback UDP.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "sim/match_game.h"
#include "sim/script.h"
#include "sim/script_game.h"
#include "sim/sim_options.h"
#include "sim/sim_server.h"

namespace {

// Builds the game the options ask for; an empty pointer with a reason in error on failure.
std::unique_ptr<GameSource> makeGame(const SimOptions& options, std::string& error) {
  if (options.match) return std::make_unique<MatchGame>(options);
  std::vector<std::string> messages;
  if (!options.scriptFile.empty() && !loadScript(options.scriptFile, messages)) {
    error = "cannot read the script " + options.scriptFile;
    return nullptr;
  }
  return std::make_unique<ScriptGame>(std::move(messages));
}

}  // namespace

int main(int argc, char** argv) {
  SimOptions options;
  std::string error;
  if (!parseSimOptions(argc, argv, options, error)) {
    std::cerr << "touchliner-sim: " << error << " (see --help)" << std::endl;
    return 2;
  }
  if (options.help) {
    std::cout << simHelpText();
    return 0;
  }
  std::unique_ptr<GameSource> game = makeGame(options, error);
  if (!game) {
    std::cerr << "touchliner-sim: " << error << std::endl;
    return 1;
  }
  SimServer server(options, std::move(game));
  if (!server.open(error)) {
    std::cerr << "touchliner-sim: " << error << std::endl;
    return 1;
  }
  return server.run();
}
