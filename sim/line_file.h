// A text file written one line at a time and flushed at every line end, so that readers see
// every line even when the server is ended by a signal.
#pragma once

#include <cstdio>
#include <string>

class LineFile {
 public:
  LineFile() = default;
  ~LineFile();
  LineFile(const LineFile&) = delete;
  LineFile& operator=(const LineFile&) = delete;

  // Creates or truncates the file. False when it cannot be opened.
  bool open(const std::string& path);
  bool isOpen() const { return file_ != nullptr; }
  // Writes text and a line end; line ends inside text are written as the two characters \n so
  // that one line stays one record. Does nothing when the file is not open.
  void writeLine(const std::string& text);

 private:
  std::FILE* file_ = nullptr;
};
