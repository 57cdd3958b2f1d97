// Checking the coaches' say commands.
#include "sim/say_check.h"

#include <iostream>

#include "sim/clang_check.h"
#include "sim/clang_pretty.h"

bool SayChecker::open(const std::string& path, int windowCycles, bool show) {
  windowCycles_ = windowCycles;
  show_ = show;
  windows_[0] = MessageWindows(windowCycles);
  windows_[1] = MessageWindows(windowCycles);
  return path.empty() || log_.open(path);
}

std::string SayChecker::answer(const std::string& command, int cycle, bool playOn, char side) {
  ClangVerdict verdict = checkSayCommand(command);
  auto record = std::make_unique<SayRecord>();
  record->cycle = cycle;
  record->side = side;
  record->valid = verdict.valid;
  record->kind = verdict.kind;
  record->ruleCount = verdict.ruleCount;
  record->text = command.size() > 6 ? command.substr(5, command.size() - 6) : "";
  record->message = std::move(verdict.message);
  std::string answer = "(error illegal_command_form)";
  if (record->valid) {
    record->admitted = windows_[side == 'r' ? 1 : 0].admit(record->kind, cycle, playOn);
    answer = record->admitted ? "(ok say)"
                              : std::string("(error said_too_many_") +
                                    messageKindName(record->kind) + "_messages)";
  }
  log_.writeLine(adviceLogLine(*record));
  if (show_) {
    std::cout << "cycle " << cycle << "  coach " << side << "  " << messageKindName(record->kind)
              << ", " << record->ruleCount << (record->ruleCount == 1 ? " rule" : " rules")
              << (record->admitted ? ""
                  : record->valid  ? "  REFUSED (quota)"
                                   : "  INVALID: ")
              << (record->valid ? "" : verdict.error) << '\n';
    if (record->message) printClangTree(std::cout, *record->message, "    ");
    std::cout << std::flush;
  }
  records_.push_back(std::move(record));
  return answer;
}

std::string adviceLogLine(const SayRecord& record) {
  const char* verdict = !record.valid ? "illegal" : record.admitted ? "ok" : "quota";
  return std::to_string(record.cycle) + ' ' + record.side + ' ' + verdict + ' ' +
         messageKindName(record.kind) + ' ' + std::to_string(record.ruleCount) + ' ' + record.text;
}
