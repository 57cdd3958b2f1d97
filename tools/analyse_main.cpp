// touchliner-analyse: reads a recorded match through the coach's intake and
// writes feature rows, records, snapshots or roles, or runs the rule learner.
#include <cstdio>
#include <string>

#include "state/history.h"
#include "state/settings.h"
#include "tools/analyse_commands.h"
#include "tools/analyse_options.h"
#include "tools/match_reader.h"

int main(int argc, char** argv) {
  AnalyseOptions options;
  std::string error;
  if (!parseAnalyseOptions(argc, argv, options, error)) {
    std::fprintf(stderr, "touchliner-analyse: %s\nTry 'touchliner-analyse --help'.\n",
                 error.c_str());
    return 2;
  }
  if (options.help) {
    std::fputs(analyseHelp(), stdout);
    return 0;
  }

  RecordedMatch match;
  if (!readRecordedMatch(options.matchFile, match)) {
    std::fprintf(stderr, "Cannot read match file %s.\n", options.matchFile.c_str());
    return 1;
  }
  resetSettings();
  ownSide = options.side != 0 ? options.side : (match.initSide != 0 ? match.initSide : 1);
  teamName =
      !options.team.empty() ? options.team : (ownSide == 1 ? match.leftTeam : match.rightTeam);
  // Without any named player there is nothing to place, and nothing to warn about.
  if (teamName.empty() && !match.leftTeam.empty()) {
    std::fprintf(stderr,
                 "Warning, no team name for the %s side found in %s; give it with --team.\n",
                 ownSide == 1 ? "left" : "right", options.matchFile.c_str());
  }
  resetStateHistory();
  replayRecordedMatch(match);
  return runAnalyseCommand(options, stateHistory());
}
