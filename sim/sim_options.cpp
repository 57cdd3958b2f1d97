// Command-line parsing of the stand-in server.
#include "sim/sim_options.h"

#include <cstdlib>
#include <cstring>
#include <functional>

namespace {

// Reads a whole decimal integer in [low, high]; false for anything else.
bool readInt(const char* text, int low, int high, int& value) {
  char* end = nullptr;
  long number = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || number < low || number > high) return false;
  value = static_cast<int>(number);
  return true;
}

struct IntOption {
  const char* name;
  int SimOptions::*field;
  int low;
  int high;
};

struct TextOption {
  const char* name;
  std::string SimOptions::*field;
};

struct FlagOption {
  const char* name;
  bool SimOptions::*field;
};

const IntOption intOptions[] = {
    {"--port", &SimOptions::coachPort, 1, 65535},
    {"--trainer-port", &SimOptions::trainerPort, 1, 65535},
    {"--advice-interval", &SimOptions::adviceInterval, 0, 1000000},
    {"--cycle-ms", &SimOptions::cycleMs, 0, 100000},
    {"--linger-ms", &SimOptions::lingerMs, 0, 600000},
    {"--clients", &SimOptions::clients, 1, 8},
    {"--cycles", &SimOptions::cycles, 1, 1000000},
    {"--half-time", &SimOptions::halfTime, 0, 1000000},
    {"--extra-cycles", &SimOptions::extraCycles, 1, 1000000},
    {"--pause-cycles", &SimOptions::pauseCycles, 0, 100000},
    {"--clang-window", &SimOptions::clangWindow, 1, 1000000},
};

const TextOption textOptions[] = {
    {"--script", &SimOptions::scriptFile},    {"--log", &SimOptions::logFile},
    {"--init-reply", &SimOptions::initReply}, {"--left", &SimOptions::leftName},
    {"--right", &SimOptions::rightName},      {"--truth", &SimOptions::truthFile},
    {"--record", &SimOptions::recordFile},    {"--advice-log", &SimOptions::adviceLogFile},
};

const FlagOption flagOptions[] = {
    {"--no-init-reply", &SimOptions::noInitReply}, {"--script-at-init", &SimOptions::scriptAtInit},
    {"--no-params", &SimOptions::noParams},        {"--match", &SimOptions::match},
    {"--extra-time", &SimOptions::extraTime},      {"--show-advice", &SimOptions::showAdvice},
    {"--summary", &SimOptions::summary},           {"--help", &SimOptions::help},
};

}  // namespace

bool parseSimOptions(int argc, char** argv, SimOptions& options, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    bool known = false;
    for (const FlagOption& flag : flagOptions) {
      if (name == flag.name) {
        options.*flag.field = true;
        known = true;
      }
    }
    if (name == "-h") {
      options.help = true;
      known = true;
    }
    if (known) continue;
    if (value == nullptr) {
      error = "option " + name + " is unknown or lacks its value";
      return false;
    }
    for (const IntOption& option : intOptions) {
      if (name == option.name) {
        if (!readInt(value, option.low, option.high, options.*option.field)) {
          error = "option " + name + " needs a whole number from " + std::to_string(option.low) +
                  " to " + std::to_string(option.high);
          return false;
        }
        known = true;
      }
    }
    for (const TextOption& option : textOptions) {
      if (name == option.name) {
        options.*option.field = value;
        known = true;
      }
    }
    if (name == "--seed") {
      char* end = nullptr;
      unsigned long seed = std::strtoul(value, &end, 10);
      if (end == value || *end != '\0') {
        error = "option --seed needs a whole number";
        return false;
      }
      options.seed = static_cast<unsigned>(seed);
      known = true;
    }
    if (name == "--before-init") {
      options.beforeInit.push_back(value);
      known = true;
    }
    if (name == "--after-init") {
      options.afterInit.push_back(value);
      known = true;
    }
    if (!known) {
      error = "unknown option " + name;
      return false;
    }
    ++i;
  }
  if (options.match && !options.scriptFile.empty()) {
    error = "--match and --script exclude each other";
    return false;
  }
  return true;
}

const char* simHelpText() {
  return R"HELP(Usage: touchliner-sim [options]
A stand-in for the soccer simulation server on 127.0.0.1. It plays a script of server messages
or a generated match to online coaches and a trainer, answers their commands and logs them.

Ports and clients (each client is answered from a UDP socket of its own):
  --port N             well-known coach port (default 6002). "(init NAME (version 7.00))" is
                       answered "(init l ok)" for the first team name, "(init r ok)" for a
                       second, then "(server_param ...)", "(player_param ...)" and
                       "(player_type ...)" for ids 0 to 6. A third team gets
                       "(error no_more_team_or_player_or_goalie)".
  --trainer-port N     well-known trainer port (default 6001); no init, any first command
                       connects the trainer.
  --left NAME          reserve the left side for team NAME (a coach of another name goes right)
  --right NAME         reserve the right side for team NAME
  --clients N          the game begins once N clients have switched their eye on (default 1)
  Commands: "(eye on|off)" -> "(ok eye on|off)", "(ear on|off)" -> "(ok ear on|off)",
  "(start)" (trainer) -> "(ok start)", "(say MSG)" -> "(ok say)" or an "(error ...)" verdict,
  anything else -> "(error unknown_command)".

Script mode:
  --script FILE        server messages one per line (blank and # lines skipped), sent in order
                       to every client with eye on; each view ("(see_global" or "(see ") ends a
                       cycle, the lines before it go out in the same cycle
  --cycle-ms N         wall-clock milliseconds per cycle (default 100; 0 = as fast as possible)
  --linger-ms N        stay up this long after the last message (default 500), then exit 0

Handshake shaping (for tests):
  --advice-interval N  value 63 of the server parameters (default 300)
  --init-reply TEXT    answer the init with TEXT instead of "(init l ok)" / "(init r ok)"
  --no-init-reply      answer the init with nothing (parameters still follow unless --no-params)
  --no-params          send no parameter messages after the init reply
  --before-init TEXT   send TEXT to a new coach before its init reply (repeatable)
  --after-init TEXT    send TEXT to a new coach after its parameter messages (repeatable)
  --script-at-init     begin the game at the first init (or first trainer command) instead of
                       waiting for eye on, and send it to every client, eye on or not; with a
                       small --cycle-ms the first views wait in the coach's socket together
                       with the handshake

Match mode:
  --match              generate a match between the two sides instead of playing a script;
                       team names come from the coaches (or --left/--right, else "left" and
                       "right")
  --seed N             seed of the deterministic generator (default 1)
  --cycles N           cycles of regular time (default 6000)
  --half-time N        cycle of half time (default 3000; 0 = no half time)
  --pause-cycles N     cycles the game waits at half time before it restarts by itself when
                       no trainer is connected (default 100); a trainer restarts it by "(start)"
  --extra-time         with a level score at the end play --extra-cycles more (default 600)
  --truth FILE         write the teams' habits (home spots by possession, set-play spots)
  --record FILE        write the parameter messages and every view and hear message sent, one
                       per line: a script that --script replays to a coach of the same name
  The match: 105 x 68 m, ball decay 0.94 per cycle, ball speed at most 3, players at most 1 m
  per cycle; passes, dribbles, shots from within 20 m, clearances; goalkeepers (number 1,
  flagged goalie) catch shots ("goalie_catch_ball_l", then "free_kick_l"); kick-ins, corner
  and goal kicks; "goal_l_N" and the other side's kick-off 50 cycles later; "half_time" and
  "before_kick_off" (the clock stands still before a kick-off); "time_up" and "time_over" at
  the end, or "time_extended" with --extra-time and a level score. Every player has a home spot
  by possession and a fixed spot per kind of set play (with noise below 1 m); --truth writes
  them as "home SIDE own|opp N X Y" and "setplay SIDE MODE N X Y", then
  "restart CYCLE MODE TAKER X Y", "goal CYCLE SIDE N" and "score L R" as the game goes.

Logs:
  --log FILE           every datagram received, one per line: "CYCLE WHERE TEXT", WHERE being
                       coach-port or trainer-port (arrived at a well-known port), l or r (a
                       coach's own socket) or trainer (the trainer's own socket); line ends in
                       TEXT are written as \n
  --advice-log FILE    every say of a coach: "CYCLE SIDE VERDICT KIND RULES MESSAGE", VERDICT
                       ok, illegal ("(error illegal_command_form)") or quota
                       ("(error said_too_many_KIND_messages)")
  --clang-window N     during play_on a coach may send one info, advice, define and meta
                       message per window of N cycles (default 300)
  --show-advice        print every say on standard output as it arrives, in readable form
  --summary            at the end print what the coaches sent and, with --truth, how their
                       opponent-positions and set-play rules compare with the truth

Ends after the game and the linger time, or on SIGINT/SIGTERM (exit status 0). Status 1: a port
or file could not be opened; 2: bad command line.
)HELP";
}
