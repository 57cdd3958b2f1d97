// Names and small queries of the parsed coach-language tree (see clang_tree.h).
#include "sim/clang_tree.h"

#include <algorithm>

namespace {

const char* const PLAY_MODE_NAMES[] = {
    "",       "bko",    "time_over", "play_on", "ko_our", "ko_opp", "ki_our", "ki_opp", "fk_our",
    "fk_opp", "ck_our", "ck_opp",    "gk_our",  "gk_opp", "gc_our", "gc_opp", "ag_our", "ag_opp"};
constexpr int PLAY_MODE_COUNT = sizeof PLAY_MODE_NAMES / sizeof PLAY_MODE_NAMES[0];

}  // namespace

const char* messageKindName(ClangMessageKind kind) {
  switch (kind) {
    case ClangMessageKind::Info:
      return "info";
    case ClangMessageKind::Advice:
      return "advice";
    case ClangMessageKind::Define:
      return "define";
    case ClangMessageKind::Meta:
      return "meta";
    case ClangMessageKind::Freeform:
      return "freeform";
    case ClangMessageKind::Unknown:
      break;
  }
  return "unknown";
}

bool ClangPlayerSet::wholeTeam() const {
  return numbers.size() == 1 && numbers[0] == 0;
}

bool ClangPlayerSet::contains(int number) const {
  if (number < 1 || number > 11) return false;
  return wholeTeam() || std::find(numbers.begin(), numbers.end(), number) != numbers.end();
}

const char* clangPlayModeName(int index) {
  return index >= 0 && index < PLAY_MODE_COUNT ? PLAY_MODE_NAMES[index] : nullptr;
}

int clangPlayModeIndex(const std::string& name) {
  for (int i = 0; i < PLAY_MODE_COUNT; ++i) {
    if (name == PLAY_MODE_NAMES[i]) return i;
  }
  return -1;
}
