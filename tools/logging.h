// A small logging facility for offline diagnostics: messages carry a level and a
// category bit mask and go to a log file, or to standard error when none is set.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// Messages with a level above this are dropped (initially 99).
extern int logThreshold;
// Messages whose category mask shares no bit with this are dropped (initially 0x80000000).
extern uint32_t logCategories;
// Destination of the messages; nullptr means standard error. Owned by the logging
// facility unless it is stdout or stderr.
extern FILE* logFile;

// Writes the printf-formatted message to the log file (then flushes it) when its
// categories share a bit with logCategories and its level is not above
// logThreshold. Always returns 1.
int logMessage(int level, uint32_t categories, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// Sets logCategories to the low 32 bits of categories and logThreshold to
// threshold; a value of -1 leaves the respective setting unchanged.
void setLogOptions(int64_t categories, int threshold);

// Closes the current log file (unless there is none, it is stdout or stderr, or
// it is the given stream itself) and makes stream the destination; nullptr
// means standard error. The facility owns stream from then on.
void setLogFile(FILE* stream);

// Opens the named file for writing (truncating it) and makes it the log file.
// When it cannot be opened, writes "Warning, cannot open log file NAME." to
// standard error, keeps the previous destination and returns false.
bool logFileName(const std::string& name);

// Closes the log file and restores the initial settings (tests).
void resetLogging();
