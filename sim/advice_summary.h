// The end-of-game summary of what the coaches advised, for the demo: messages sent and their
// verdicts, and what the advice got right against the truth of the match.
#pragma once

#include <memory>
#include <ostream>
#include <vector>

#include "sim/match_truth.h"
#include "sim/say_check.h"

// Writes the summary of records (every say received) to out; truth may be empty (no truth
// file), and then only the message counts are written.
void printAdviceSummary(std::ostream& out, const std::vector<std::unique_ptr<SayRecord>>& records,
                        const MatchTruth* truth);
