// Driver of an external inductive rule learner (FOIL): it feeds the learner a
// label's header, training and test examples drawn from the game history
// through a pipe, then reads the learner's result file and prints the learned
// rules with their error rate.
#pragma once

#include <cstdio>
#include <iosfwd>
#include <string>
#include <vector>

class CycleState;

// What the learner's result file told: the rule lines and the summary counts.
struct LearnerResult {
  std::vector<std::string> lines;  // from a "pass:" line on, up to a "Time " line
  int errors = 0;
  int trials = 0;
  bool summaryRead = false;  // a "Summary: E errors in T trials" line was found
};

class FoilDriver {
 public:
  static constexpr int HISTORY_CYCLES = 6000;
  static constexpr int TEST_CYCLES = static_cast<int>(HISTORY_CYCLES * 0.8);  // 4800
  static constexpr int TRAINING_CYCLES = HISTORY_CYCLES - TEST_CYCLES;        // 1200
  static constexpr double SECTOR_ANGLE = 45.0;
  static constexpr const char* COPY_FILE = "/tmp/foil.output";
  // A header line holding only this byte (the Latin-1 section sign) ends the header.
  static constexpr char HEADER_END = '\xA7';

  // The learner is started by the shell as
  // "learnerProgram learnerArguments -v0 >/tmp/foil.tmp"; with keepCopy every
  // line sent is also written to /tmp/foil.output.
  FoilDriver(const std::string& learnerProgram, const std::string& learnerArguments, bool keepCopy);
  ~FoilDriver();
  FoilDriver(const FoilDriver&) = delete;
  FoilDriver& operator=(const FoilDriver&) = delete;

  // One learner run for label (labelIndex 1 pass, 2 dribble, 3 shoot) of side
  // (1 left, -1 right): sends the header file LABEL_header.foil up to its
  // section-sign line, the positive training examples of the 1200 states from
  // startState back, ";", the negative ones, ".", an empty line, the label, then
  // the test examples of the 4800 states before those and "."; waits for the
  // learner and prints its result to standard output. Returns false (with a
  // warning) when the learner cannot be started.
  bool runLabel(int side, const CycleState* startState, const std::string& label, int labelIndex);
  // runLabel for "pass", "dribble" and "shoot" in this order; false when any
  // run could not start its learner.
  bool runAllLabels(int side, const CycleState* startState);

  // Sends text and a line end to the learner (and to the copy file when
  // keepCopy is set) and always writes it with a line end to standard error.
  void writeLine(const std::string& text);
  void writeLines(const std::vector<std::string>& lines);

  std::string headerSuffix = "_header.foil";
  std::string command;
  std::string resultFile = "/tmp/foil.tmp";
  FILE* learnerInput = nullptr;  // owned pipe, open during a run
  FILE* copyFile = nullptr;      // owned, open during a run when keepCopy is set
  bool keepCopy;

 private:
  void sendHeader(const std::string& label);
};

// Reads a learner result file: a line beginning with "pass:" starts the rule
// lines (every non-empty line is kept until a line beginning with "Time "), and
// a line beginning with "Summary: " gives "Summary: %d errors in %d trials".
// An unreadable file gives an empty result.
LearnerResult readLearnerResult(const std::string& fileName);

// Prints "\n\n\nResult:\n=======\n\n", the rule lines, an empty line and
// "Errorrate: R%\n\n\n" with R = errors / trials * 100. Without a summary the
// Errorrate line is left out and "Warning, the learner reported no summary."
// goes to standard error.
void printLearnerResult(const LearnerResult& result, std::ostream& out);
