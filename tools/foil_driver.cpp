// Runs the external learner over a pipe and reads back what it learned.
#include "tools/foil_driver.h"

#include <signal.h>

#include <cstdio>
#include <fstream>
#include <iostream>

#include "state/cycle_state.h"
#include "tools/example_generator.h"

namespace {

bool startsWith(const std::string& line, const char* prefix) {
  return line.rfind(prefix, 0) == 0;
}

// Ignores SIGPIPE while alive, so a learner that stops reading early cannot
// kill the driver; writes to its pipe then merely fail.
class IgnoreBrokenPipe {
 public:
  IgnoreBrokenPipe() {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGPIPE, &ignore, &saved);
  }
  ~IgnoreBrokenPipe() { sigaction(SIGPIPE, &saved, nullptr); }
  IgnoreBrokenPipe(const IgnoreBrokenPipe&) = delete;
  IgnoreBrokenPipe& operator=(const IgnoreBrokenPipe&) = delete;

 private:
  struct sigaction saved {};
};

}  // namespace

FoilDriver::FoilDriver(const std::string& learnerProgram, const std::string& learnerArguments,
                       bool keepCopy)
    : keepCopy(keepCopy) {
  command = learnerProgram + " " + learnerArguments + " -v0" + " >" + resultFile;
}

FoilDriver::~FoilDriver() {
  if (learnerInput != nullptr) pclose(learnerInput);
  if (copyFile != nullptr) std::fclose(copyFile);
}

void FoilDriver::writeLine(const std::string& text) {
  if (learnerInput != nullptr) std::fprintf(learnerInput, "%s\n", text.c_str());
  if (keepCopy && copyFile != nullptr) std::fprintf(copyFile, "%s\n", text.c_str());
  std::fprintf(stderr, "%s\n", text.c_str());
}

void FoilDriver::writeLines(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) writeLine(line);
}

void FoilDriver::sendHeader(const std::string& label) {
  std::ifstream header(label + headerSuffix);
  std::string line;
  while (std::getline(header, line)) {
    if (line.size() == 1 && line[0] == HEADER_END) break;
    writeLine(line);
  }
}

bool FoilDriver::runLabel(int side, const CycleState* startState, const std::string& label,
                          int labelIndex) {
  IgnoreBrokenPipe ignoreBrokenPipe;
  if (keepCopy) {
    copyFile = std::fopen(COPY_FILE, "w");
    if (copyFile == nullptr) std::fprintf(stderr, "Warning, cannot write %s.\n", COPY_FILE);
  }
  std::fflush(nullptr);  // the learner must not inherit unwritten output
  learnerInput = popen(command.c_str(), "w");
  if (learnerInput == nullptr) {
    std::fprintf(stderr, "Warning, cannot start the learner: %s\n", command.c_str());
    if (copyFile != nullptr) std::fclose(copyFile);
    copyFile = nullptr;
    return false;
  }

  sendHeader(label);
  writeLines(generateExamples(startState, TRAINING_CYCLES, labelIndex, side, POSITIVE_EXAMPLES,
                              SECTOR_ANGLE));
  writeLine(";");
  writeLines(generateExamples(startState, TRAINING_CYCLES, labelIndex, side, NEGATIVE_EXAMPLES,
                              SECTOR_ANGLE));
  writeLine(".");
  writeLine("");
  writeLine(label);

  const CycleState* testStart = startState;
  for (int i = 0; i < TRAINING_CYCLES && testStart != nullptr; ++i) {
    testStart = testStart->previous;
  }
  writeLines(
      generateExamples(testStart, TEST_CYCLES, labelIndex, side, TEST_EXAMPLES, SECTOR_ANGLE));
  writeLine(".");

  if (std::fflush(learnerInput) != 0 || std::ferror(learnerInput)) {
    std::fprintf(stderr, "Warning, the learner did not read all of its input.\n");
  }
  pclose(learnerInput);
  learnerInput = nullptr;
  if (copyFile != nullptr) std::fclose(copyFile);
  copyFile = nullptr;

  printLearnerResult(readLearnerResult(resultFile), std::cout);
  return true;
}

bool FoilDriver::runAllLabels(int side, const CycleState* startState) {
  bool started = runLabel(side, startState, "pass", LABEL_PASS);
  started = runLabel(side, startState, "dribble", LABEL_DRIBBLE) && started;
  started = runLabel(side, startState, "shoot", LABEL_SHOOT) && started;
  return started;
}

LearnerResult readLearnerResult(const std::string& fileName) {
  LearnerResult result;
  std::ifstream in(fileName);
  std::string line;
  int state = 0;
  while (std::getline(in, line)) {
    // The learner names every label's rules "pass:".
    if (startsWith(line, "pass:")) {
      state = 1;
    } else if (startsWith(line, "Time ")) {
      state = 2;
    } else if (startsWith(line, "Summary: ")) {
      state = 3;
    }
    if (state == 1) {
      if (!line.empty()) result.lines.push_back(line);
    } else if (state == 2) {
      state = 0;
    } else if (state == 3) {
      int errors = 0;
      int trials = 0;
      if (std::sscanf(line.c_str(), "Summary: %d errors in %d trials", &errors, &trials) == 2) {
        result.errors = errors;
        result.trials = trials;
        result.summaryRead = true;
      }
      state = 0;
    }
  }
  return result;
}

void printLearnerResult(const LearnerResult& result, std::ostream& out) {
  out << "\n\n\nResult:\n=======\n\n";
  for (const std::string& line : result.lines) out << line << '\n';
  out << '\n';
  if (result.summaryRead) {
    out << "Errorrate: " << static_cast<double>(result.errors) / result.trials * 100 << "%\n\n\n";
  } else {
    std::fprintf(stderr, "Warning, the learner reported no summary.\n");
  }
  out.flush();
}
