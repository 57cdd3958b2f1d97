// Line-at-a-time text files of the stand-in server (datagram log, record, truth, advice log).
#include "sim/line_file.h"

LineFile::~LineFile() {
  if (file_ != nullptr) std::fclose(file_);
}

bool LineFile::open(const std::string& path) {
  file_ = std::fopen(path.c_str(), "w");
  return file_ != nullptr;
}

void LineFile::writeLine(const std::string& text) {
  if (file_ == nullptr) return;
  for (char c : text) {
    if (c == '\n') {
      std::fputs("\\n", file_);
    } else {
      std::fputc(c, file_);
    }
  }
  std::fputc('\n', file_);
  std::fflush(file_);
}
