// Start-up of the coach: command line, server link, init handshake, signal
// set-up and the switch to the main loop.
#pragma once

#include <string>

// The usage text, one line without its line end.
extern const char* const usageText;

// Where to find the server; the other options go into the settings.
struct StartOptions {
  std::string host = "localhost";
  int port = 6002;
};

// Reads argv[1..argc-1] into options and the settings verbose, trainerMode and
// teamName. False for any argument that is not an option, and for an option
// that needs a value but comes last.
bool parseCommandLine(int argc, const char* const* argv, StartOptions& options);

// A port value as a decimal integer: leading blanks and a sign accepted,
// reading stops at the first non-digit, no digits give 0.
int parsePort(const char* text);

// Side announced by an init reply: 0 when it does not begin with "(ini", else
// -1 for 'r' at index 6 and 1 for anything else there.
int sideFromInitReply(const char* reply);

// Runs the whole program. Returns the exit status of a failed start-up; in
// coach mode it never returns otherwise, in trainer mode it ends the process.
int runTouchliner(int argc, char** argv);
