// Answers the coaches' "(say ...)" commands: checks the coach language, enforces the message
// windows, writes the advice log, shows the advice on standard output on request and keeps the
// accepted messages for the end-of-game summary.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "sim/clang_tree.h"
#include "sim/line_file.h"
#include "sim/message_windows.h"

// One say command as the server judged it.
struct SayRecord {
  int cycle = 0;
  char side = 0;          // 'l' or 'r'
  bool valid = false;     // well-formed coach language
  bool admitted = false;  // valid and within the window quota
  ClangMessageKind kind = ClangMessageKind::Unknown;
  int ruleCount = 0;
  std::string text;                       // the message inside "(say ...)"
  std::unique_ptr<ClangMessage> message;  // the parsed message when valid
};

class SayChecker {
 public:
  // Opens the advice log when path is not empty (false when it cannot be created); windows of
  // windowCycles cycles; show writes every say to standard output as it arrives.
  bool open(const std::string& path, int windowCycles, bool show);
  // Checks the whole "(say ...)" command received at cycle (playOn while the play mode is
  // play_on) from the coach of side ('l' or 'r'), logs it and returns the answer to send:
  // "(ok say)", "(error illegal_command_form)" or "(error said_too_many_KIND_messages)".
  std::string answer(const std::string& command, int cycle, bool playOn, char side);
  // Every say received so far, in arrival order.
  const std::vector<std::unique_ptr<SayRecord>>& records() const { return records_; }

 private:
  LineFile log_;
  int windowCycles_ = 300;
  bool show_ = false;
  MessageWindows windows_[2];  // left coach, right coach
  std::vector<std::unique_ptr<SayRecord>> records_;
};

// The advice log's line for a record: "CYCLE SIDE VERDICT KIND RULES MESSAGE", VERDICT being
// ok, illegal or quota.
std::string adviceLogLine(const SayRecord& record);
