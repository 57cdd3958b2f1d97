// Recorded matches: reading the file, finding the team names, replaying.
#include "tools/match_reader.h"

#include <cstdio>
#include <cstring>
#include <fstream>

#include "coach/dispatch.h"
#include "net/communication.h"

namespace {

bool startsWith(const std::string& text, const char* prefix) {
  return text.rfind(prefix, 0) == 0;
}

// Notes the quoted team names of the players of a global view: ((p "NAME" ...
void noteTeams(const std::string& view, RecordedMatch& match) {
  const std::string marker = "((p \"";
  for (size_t at = view.find(marker); at != std::string::npos; at = view.find(marker, at + 1)) {
    size_t start = at + marker.size();
    size_t end = view.find('"', start);
    if (end == std::string::npos) return;
    std::string name = view.substr(start, end - start);
    if (match.leftTeam.empty()) {
      match.leftTeam = name;
    } else if (match.rightTeam.empty() && name != match.leftTeam) {
      match.rightTeam = name;
      return;
    }
  }
}

}  // namespace

bool readRecordedMatch(const std::string& fileName, RecordedMatch& match) {
  std::ifstream in(fileName);
  if (!in) return false;
  std::string line;
  int lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') continue;
    if (line.size() >= static_cast<size_t>(RECEIVE_BUFFER_SIZE)) {
      std::fprintf(stderr, "Warning, skipped line %d of %s: longer than %d characters.\n",
                   lineNumber, fileName.c_str(), RECEIVE_BUFFER_SIZE - 1);
      continue;
    }
    if (startsWith(line, "(init ") && line.size() > 6) {
      if (line[6] == 'l') match.initSide = 1;
      if (line[6] == 'r') match.initSide = -1;
    }
    if (startsWith(line, "(see_global") && match.rightTeam.empty()) noteTeams(line, match);
    match.messages.push_back(line);
  }
  return true;
}

int replayRecordedMatch(const RecordedMatch& match) {
  int dispatched = 0;
  for (const std::string& message : match.messages) {
    // The init reply belongs to the handshake, which the dispatcher never sees.
    if (startsWith(message, "(init")) continue;
    std::memcpy(receiveBuffer, message.c_str(), message.size() + 1);
    dispatch_message();
    ++dispatched;
  }
  return dispatched;
}
