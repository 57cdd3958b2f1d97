// Command-line parsing and help text of touchliner-analyse.
#include "tools/analyse_options.h"

#include <algorithm>
#include <cstdlib>

namespace {

const char* kHelp =
    "Usage: touchliner-analyse [OPTIONS] MATCH COMMAND [ARGUMENTS]\n"
    "\n"
    "Reads the recorded match MATCH (server messages one per line, as touchliner-sim\n"
    "plays and records them; blank lines and lines starting with # are skipped)\n"
    "through the coach's own message intake into a history of cycle states, then\n"
    "runs COMMAND on that history.\n"
    "\n"
    "Commands:\n"
    "  csv nearest|region left|right\n"
    "      Comma-separated feature rows of the states in which that side has the\n"
    "      ball: ball x,y, the side in possession, then for the eight players\n"
    "      nearest the ball their side, direction and distance to the ball\n"
    "      (nearest) or the left,right player counts of the nine 10 m cells\n"
    "      around the ball (region), then the label yes or no (a pass of that\n"
    "      side starts in this state).\n"
    "  records nearest|region [left|right]\n"
    "      Blank-separated feature records of every state, or only of the states\n"
    "      in which that side has the ball. Region records leave out states with\n"
    "      nobody in the nine cells unless --always is given.\n"
    "  snapshot CYCLE FILE\n"
    "      Writes the state of CYCLE to FILE: \"b X Y\" for the ball, then\n"
    "      \"p SLOT X Y TAG\" for the player slots 0 to 21.\n"
    "  roles CYCLE\n"
    "      Roles of both teams at CYCLE: a line \"team number role zone x y\", one\n"
    "      line per player (role from the gaps between the players along the\n"
    "      field, the right team mirrored so that each team's goalie is the\n"
    "      player nearest its own goal; zone from the third of the field the\n"
    "      player stands in), then \"TEAM rearmost NUMBER\" (the player nearest\n"
    "      the own goal line within the own half, or none).\n"
    "  learn left|right PROGRAM [ARGUMENT...]\n"
    "      Runs the rule learner PROGRAM for the labels pass, dribble and shoot of\n"
    "      that side, from the newest state back over 6000 cycles (the newest\n"
    "      1200 give the training examples, the 4800 before them the tests). The\n"
    "      shell runs \"PROGRAM ARGUMENT... -v0 >/tmp/foil.tmp\"; the header of\n"
    "      each label is read from LABEL_header.foil in the current directory up\n"
    "      to a line holding only the byte 0xA7. Every line sent to the learner\n"
    "      is echoed on standard error; the learned rules and the error rate go\n"
    "      to standard output. Options after PROGRAM belong to the learner.\n"
    "\n"
    "Options:\n"
    "  --team NAME        the own team's name in the recording (default: the team\n"
    "                     playing on the own side, as the views name it)\n"
    "  --side l|r         the own team's side (default: from the recorded init\n"
    "                     reply, else l)\n"
    "  --output FILE, -o FILE\n"
    "                     write the csv, records or roles output to FILE\n"
    "  --always           region records also for states with nobody around the ball\n"
    "  --keep-copy        learn: also copy everything sent to /tmp/foil.output\n"
    "  --help, -h         this text\n"
    "\n"
    "Slots 0 to 10 always hold the left team, 11 to 21 the right team, so the\n"
    "results do not depend on which team is the own one once its name is right.\n"
    "CYCLE is a simulation cycle of the recording; when several states share it\n"
    "(the clock stands still outside play), the last of them is used.\n"
    "\n"
    "Exit status: 0 on success; 1 when the match or an output file cannot be\n"
    "used, a cycle has no state or the learner cannot be started; 2 for a wrong\n"
    "command line.\n";

bool isOneOf(const std::string& word, const char* a, const char* b) {
  return word == a || word == b;
}

// Checks the command and its arguments.
bool checkCommand(const AnalyseOptions& options, std::string& error) {
  const std::string& command = options.command;
  const std::vector<std::string>& args = options.arguments;
  if (command.empty()) {
    error = "missing COMMAND";
    return false;
  }
  if (command == "csv") {
    if (args.size() != 2) {
      error = "csv needs nearest|region and left|right";
    } else if (!isOneOf(args[0], "nearest", "region")) {
      error = "csv needs nearest or region, not '" + args[0] + "'";
    } else if (!isOneOf(args[1], "left", "right")) {
      error = "csv needs left or right, not '" + args[1] + "'";
    }
  } else if (command == "records") {
    if (args.empty() || args.size() > 2) {
      error = "records needs nearest|region and optionally left|right";
    } else if (!isOneOf(args[0], "nearest", "region")) {
      error = "records needs nearest or region, not '" + args[0] + "'";
    } else if (args.size() == 2 && !isOneOf(args[1], "left", "right")) {
      error = "records needs left or right, not '" + args[1] + "'";
    }
  } else if (command == "snapshot") {
    if (args.size() != 2) error = "snapshot needs CYCLE and FILE";
  } else if (command == "roles") {
    if (args.size() != 1) error = "roles needs CYCLE";
  } else if (command == "learn") {
    if (args.size() < 2) {
      error = "learn needs left|right and PROGRAM";
    } else if (!isOneOf(args[0], "left", "right")) {
      error = "learn needs left or right, not '" + args[0] + "'";
    }
  } else {
    error = "unknown command '" + command + "'";
  }
  return error.empty();
}

}  // namespace

bool parseAnalyseOptions(int argc, const char* const* argv, AnalyseOptions& options,
                         std::string& error) {
  std::vector<std::string> words;  // MATCH, COMMAND, ARGUMENTS
  for (int i = 1; i < argc; ++i) {
    std::string word = argv[i];
    bool learnerArgument = words.size() >= 4 && words[1] == "learn";
    // A negative number is an argument (a cycle to be refused), not an option.
    bool negativeNumber = word.size() > 1 && word[0] == '-' && word[1] >= '0' && word[1] <= '9';
    if (learnerArgument || negativeNumber || word.empty() || word[0] != '-' || word == "-") {
      words.push_back(word);
      continue;
    }
    auto value = [&](std::string& into) {
      if (i + 1 >= argc) {
        error = "option " + word + " needs a value";
        return false;
      }
      into = argv[++i];
      return true;
    };
    if (word == "--help" || word == "-h") {
      options.help = true;
      return true;
    } else if (word == "--team") {
      if (!value(options.team)) return false;
    } else if (word == "--side") {
      std::string side;
      if (!value(side)) return false;
      if (isOneOf(side, "l", "left")) {
        options.side = 1;
      } else if (isOneOf(side, "r", "right")) {
        options.side = -1;
      } else {
        error = "--side needs l or r, not '" + side + "'";
        return false;
      }
    } else if (word == "--output" || word == "-o") {
      if (!value(options.output)) return false;
    } else if (word == "--always") {
      options.always = true;
    } else if (word == "--keep-copy") {
      options.keepCopy = true;
    } else {
      error = "unknown option '" + word + "'";
      return false;
    }
  }
  if (words.empty()) {
    error = "missing MATCH file";
    return false;
  }
  options.matchFile = words[0];
  if (words.size() > 1) options.command = words[1];
  options.arguments.assign(words.begin() + std::min<size_t>(2, words.size()), words.end());
  return checkCommand(options, error);
}

bool parseCycle(const std::string& text, int& cycle) {
  if (text.empty() || text.size() > 5) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  long value = std::strtol(text.c_str(), nullptr, 10);
  if (value > 32767) return false;
  cycle = static_cast<int>(value);
  return true;
}

const char* analyseHelp() {
  return kHelp;
}
