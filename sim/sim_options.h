// Command line of the stand-in server: every setting it runs with, parsed once at start-up.
#pragma once

#include <string>
#include <vector>

// Everything the stand-in server can be told on its command line. Defaults are those of a
// stock server where one exists.
struct SimOptions {
  int coachPort = 6002;    // well-known port of the online coaches
  int trainerPort = 6001;  // well-known port of the trainer
  int adviceInterval = 300;
  int cycleMs = 100;   // wall-clock length of one cycle
  int lingerMs = 500;  // time the server stays up after its last message
  int clients = 1;     // clients with eye on before the game starts
  std::string scriptFile;
  std::string logFile;
  // Handshake shaping for tests.
  bool noInitReply = false;
  std::string initReply;  // replaces "(init l ok)" / "(init r ok)" when not empty
  std::vector<std::string> beforeInit;
  std::vector<std::string> afterInit;
  bool scriptAtInit = false;
  bool noParams = false;
  // Match generator.
  bool match = false;
  unsigned seed = 1;
  int cycles = 6000;
  int halfTime = 3000;
  bool extraTime = false;
  int extraCycles = 600;
  int pauseCycles = 100;  // half-time pause before the game restarts by itself
  std::string leftName;
  std::string rightName;
  std::string truthFile;
  std::string recordFile;
  // Coach-language checking.
  std::string adviceLogFile;
  int clangWindow = 300;
  bool showAdvice = false;  // print every say on standard output
  bool summary = false;     // print a summary of the advice at the end
  bool help = false;
};

// Parses argv into options. Returns false with a one-line reason in error when an option is
// unknown, lacks its value or has a value out of range.
bool parseSimOptions(int argc, char** argv, SimOptions& options, std::string& error);

// The text printed by --help.
const char* simHelpText();
