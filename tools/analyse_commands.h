// The commands of touchliner-analyse, run on the history of a replayed match.
#pragma once

#include "state/history.h"

struct AnalyseOptions;

// Runs options.command with its arguments (already checked by
// parseAnalyseOptions) on history and returns the exit status: 0 on success, 1
// when an output file cannot be written, a cycle is not a cycle number or has
// no state, the history is empty for learn, or a learner cannot be started.
// Errors are one line on standard error.
int runAnalyseCommand(const AnalyseOptions& options, StateHistory& history);

// The last state of history whose time is cycle; nullptr when there is none.
CycleState* stateOfCycle(const StateHistory& history, int cycle);
