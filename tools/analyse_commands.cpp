// Feature rows and records, snapshots, roles and learner runs over a history.
#include "tools/analyse_commands.h"

#include <cstdio>
#include <memory>
#include <string>

#include "geometry/point.h"
#include "state/cycle_state.h"
#include "state/feature_records.h"
#include "state/feature_snapshot.h"
#include "state/roles.h"
#include "tools/analyse_options.h"
#include "tools/foil_driver.h"

namespace {

// Standard output, or the --output file; closes the file when done.
class Output {
 public:
  explicit Output(const std::string& name) {
    if (name.empty()) {
      file = stdout;
    } else {
      file = std::fopen(name.c_str(), "w");
      if (file == nullptr) std::fprintf(stderr, "Cannot write %s.\n", name.c_str());
    }
  }
  ~Output() {
    if (file != nullptr && file != stdout) std::fclose(file);
    if (file == stdout) std::fflush(stdout);
  }
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  FILE* file;
};

int sideOfWord(const std::string& word) {
  return word == "left" ? 1 : -1;
}

int writeCsv(const AnalyseOptions& options, StateHistory& history) {
  Output out(options.output);
  if (out.file == nullptr) return 1;
  bool region = options.arguments[0] == "region";
  bool forRight = options.arguments[1] == "right";
  for (const auto& state : history) {
    if (region) {
      countAroundBall(*state);
      writeRegionCsv(*state, forRight, out.file);
    } else {
      writeNearestCsv(*state, forRight, out.file);
    }
  }
  return 0;
}

int writeRecords(const AnalyseOptions& options, StateHistory& history) {
  Output out(options.output);
  if (out.file == nullptr) return 1;
  bool region = options.arguments[0] == "region";
  bool everySide = options.arguments.size() < 2;
  int side = everySide ? 0 : sideOfWord(options.arguments[1]);
  for (const auto& state : history) {
    if (!everySide && state->possessionSide != side) continue;
    if (region) {
      countAroundBall(*state);
      writeRegionRecord(*state, out.file, options.always);
    } else {
      writeNearestRecord(*state, out.file);
    }
  }
  return 0;
}

// The state of the cycle named by text, or nullptr after an error message.
CycleState* findCycle(const StateHistory& history, const std::string& text,
                      const std::string& matchFile) {
  int cycle = 0;
  if (!parseCycle(text, cycle)) {
    std::fprintf(stderr, "Bad cycle '%s': expected a cycle number from 0 to 32767.\n",
                 text.c_str());
    return nullptr;
  }
  CycleState* state = stateOfCycle(history, cycle);
  if (state == nullptr) {
    std::fprintf(stderr, "No state for cycle %d in %s.\n", cycle, matchFile.c_str());
  }
  return state;
}

int writeSnapshotOf(const AnalyseOptions& options, StateHistory& history) {
  CycleState* state = findCycle(history, options.arguments[0], options.matchFile);
  if (state == nullptr) return 1;
  return writeSnapshot(*state, options.arguments[1]) ? 0 : 1;
}

void writeTeamRoles(const CycleState& state, int side, FILE* file) {
  const char* team = side == 1 ? "left" : "right";
  Point points[11];
  Point facingRight[11];  // the roles read a team that defends the smaller x
  for (int i = 0; i < 11; ++i) {
    const PlayerState& player = state.players[slotOf(side, i + 1)];
    points[i] = Point{player.x, player.y};
    facingRight[i] = side == 1 ? points[i] : Point{-player.x, -player.y};
  }
  std::unique_ptr<int16_t[]> roles = classifyRoles(facingRight);
  for (int i = 0; i < 11; ++i) {
    std::fprintf(file, "%s %d %s %s %g %g\n", team, i + 1, roleName(roles[i]).c_str(),
                 roleName(zoneRole(points[i].x, side)).c_str(), points[i].x, points[i].y);
  }
  int rearmost = rearmostPlayer(points, side);
  if (rearmost < 0) {
    std::fprintf(file, "%s rearmost none\n", team);
  } else {
    std::fprintf(file, "%s rearmost %d\n", team, rearmost + 1);
  }
}

int writeRoles(const AnalyseOptions& options, StateHistory& history) {
  CycleState* state = findCycle(history, options.arguments[0], options.matchFile);
  if (state == nullptr) return 1;
  Output out(options.output);
  if (out.file == nullptr) return 1;
  std::fprintf(out.file, "team number role zone x y\n");
  writeTeamRoles(*state, 1, out.file);
  writeTeamRoles(*state, -1, out.file);
  return 0;
}

int runLearner(const AnalyseOptions& options, StateHistory& history) {
  if (history.empty()) {
    std::fprintf(stderr, "No states in %s to learn from.\n", options.matchFile.c_str());
    return 1;
  }
  std::string learnerArguments;
  for (size_t i = 2; i < options.arguments.size(); ++i) {
    if (i > 2) learnerArguments += ' ';
    learnerArguments += options.arguments[i];
  }
  FoilDriver driver(options.arguments[1], learnerArguments, options.keepCopy);
  return driver.runAllLabels(sideOfWord(options.arguments[0]), history.back().get()) ? 0 : 1;
}

}  // namespace

CycleState* stateOfCycle(const StateHistory& history, int cycle) {
  for (auto state = history.rbegin(); state != history.rend(); ++state) {
    if ((*state)->time == cycle) return state->get();
  }
  return nullptr;
}

int runAnalyseCommand(const AnalyseOptions& options, StateHistory& history) {
  const std::string& command = options.command;
  if (command == "csv") return writeCsv(options, history);
  if (command == "records") return writeRecords(options, history);
  if (command == "snapshot") return writeSnapshotOf(options, history);
  if (command == "roles") return writeRoles(options, history);
  if (command == "learn") return runLearner(options, history);
  std::fprintf(stderr, "Unknown command '%s'.\n", command.c_str());
  return 1;
}
