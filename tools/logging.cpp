// Level and category filtering of log messages, and the log file they go to.
#include "tools/logging.h"

#include <cstdarg>

int logThreshold = 99;
uint32_t logCategories = 0x80000000u;
FILE* logFile = nullptr;

int logMessage(int level, uint32_t categories, const char* format, ...) {
  if ((categories & logCategories) == 0 || level > logThreshold) return 1;
  FILE* out = logFile != nullptr ? logFile : stderr;
  va_list arguments;
  va_start(arguments, format);
  std::vfprintf(out, format, arguments);
  va_end(arguments);
  std::fflush(out);
  return 1;
}

void setLogOptions(int64_t categories, int threshold) {
  if (categories != -1) logCategories = static_cast<uint32_t>(categories);
  if (threshold != -1) logThreshold = threshold;
}

void setLogFile(FILE* stream) {
  // Closing the stream we are about to use would leave a dangling destination.
  if (logFile != nullptr && logFile != stdout && logFile != stderr && logFile != stream) {
    std::fclose(logFile);
  }
  logFile = stream;
}

bool logFileName(const std::string& name) {
  FILE* stream = std::fopen(name.c_str(), "w");
  if (stream == nullptr) {
    std::fprintf(stderr, "Warning, cannot open log file %s.\n", name.c_str());
    return false;
  }
  setLogFile(stream);
  return true;
}

void resetLogging() {
  setLogFile(nullptr);
  logThreshold = 99;
  logCategories = 0x80000000u;
}
