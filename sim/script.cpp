// Reading and classifying script lines.
#include "sim/script.h"

#include <cctype>
#include <cstdlib>
#include <fstream>

bool loadScript(const std::string& path, std::vector<std::string>& messages) {
  std::ifstream in(path);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    messages.push_back(line);
  }
  return true;
}

bool isViewMessage(const std::string& message) {
  return message.rfind("(see_global", 0) == 0 || message.rfind("(see ", 0) == 0;
}

int viewCycle(const std::string& message) {
  if (!isViewMessage(message)) return -1;
  size_t start = message.find(' ');
  if (start == std::string::npos || start + 1 >= message.size() ||
      !std::isdigit(static_cast<unsigned char>(message[start + 1]))) {
    return -1;
  }
  return std::atoi(message.c_str() + start + 1);
}
