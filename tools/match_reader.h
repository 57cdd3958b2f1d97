// Reading a recorded match (server messages, one per line, as the stand-in
// server plays and records them) and replaying it through the coach's own
// message intake into the state history.
#pragma once

#include <string>
#include <vector>

// The messages of a recording, in order, with what it tells about the teams.
struct RecordedMatch {
  std::vector<std::string> messages;  // blank lines and lines starting with # left out
  std::string leftTeam;   // first team name in a global view (the server lists the left team first)
  std::string rightTeam;  // first other team name in a global view
  int initSide = 0;       // 1 or -1 from a recorded "(init l ..." / "(init r ..." reply, else 0
};

// Reads fileName into match. Lines too long for the receive buffer are left
// out with "Warning, skipped line N of FILE: longer than 5095 characters." on
// standard error; a trailing carriage return is dropped. False when the file
// cannot be opened.
bool readRecordedMatch(const std::string& fileName, RecordedMatch& match);

// Feeds every message except the init replies to the coach's dispatcher
// (copied into receiveBuffer, then dispatch_message()), in order. teamName and
// ownSide must be set first. Returns the number of messages dispatched.
int replayRecordedMatch(const RecordedMatch& match);
