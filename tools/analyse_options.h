// The command line of touchliner-analyse: options, the match file, the command
// and its arguments, and the help text.
#pragma once

#include <string>
#include <vector>

struct AnalyseOptions {
  std::string matchFile;
  std::string command;                 // csv, records, snapshot, roles or learn
  std::vector<std::string> arguments;  // the command's arguments
  std::string team;                    // --team; empty: taken from the recording
  int side = 0;                        // --side: 1 left, -1 right; 0: from the recording
  std::string output;                  // --output; empty: standard output
  bool always = false;                 // --always
  bool keepCopy = false;               // --keep-copy
  bool help = false;                   // --help
};

// Parses argv into options. Options may stand anywhere before the learner
// program of "learn"; everything after that program is its arguments. Checks
// the command's name and the number and words of its arguments (cycles are
// checked by parseCycle). False with a one-line message in error when the
// command line is wrong; true with help set for --help.
bool parseAnalyseOptions(int argc, const char* const* argv, AnalyseOptions& options,
                         std::string& error);

// Reads a cycle number (0 to 32767, digits only); false for anything else.
bool parseCycle(const std::string& text, int& cycle);

// The text --help prints.
const char* analyseHelp();
