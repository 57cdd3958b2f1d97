// A snapshot file of one cycle state's positions, for plotting and inspection.
#pragma once

#include <string>

class CycleState;

// Creates or replaces fileName with "b %lf %lf\n" (ball x, y) and then, for
// slots 0 to 21 in order, "p %d %lf %lf %d\n" (slot, x, y, playerTags value).
// When the file cannot be created nothing is written, "Warning, cannot write
// snapshot FILE." goes to standard error and the result is false.
bool writeSnapshot(const CycleState& state, const std::string& fileName);
