// Summary of the coaches' advice at the end of a game.
#include "sim/advice_summary.h"

#include <map>

#include "sim/advice_score.h"

namespace {

void summariseCoach(std::ostream& out, char side,
                    const std::vector<std::unique_ptr<SayRecord>>& records,
                    const MatchTruth* truth) {
  std::map<ClangMessageKind, int> kinds;
  int total = 0, invalid = 0, refused = 0;
  const SayRecord* lastCops = nullptr;
  const ClangRule* copsRule = nullptr;
  RuleScore setPlays;
  int setPlayRules = 0;
  for (const auto& record : records) {
    if (record->side != side) continue;
    ++total;
    ++kinds[record->kind];
    if (!record->valid) ++invalid;
    if (record->valid && !record->admitted) ++refused;
    if (!record->message || record->kind != ClangMessageKind::Info || truth == nullptr) continue;
    for (const auto& rule : record->message->rules) {
      if (isOpponentPositionsRule(*rule)) {
        lastCops = record.get();
        copsRule = rule.get();
      } else if (isSetPlayRule(*rule)) {
        RuleScore score = scoreSetPlay(*rule, *truth, side);
        setPlays.named += score.named;
        setPlays.matched += score.matched;
        ++setPlayRules;
      }
    }
  }
  if (total == 0) return;
  out << "coach " << side << ": " << total << " messages (";
  const char* separator = "";
  for (const auto& [kind, count] : kinds) {
    out << separator << count << ' ' << messageKindName(kind);
    separator = ", ";
  }
  out << "), " << (invalid == 0 ? "all valid coach language" : "INVALID: ")
      << (invalid == 0 ? "" : std::to_string(invalid)) << ", "
      << (refused == 0 ? "none over quota" : std::to_string(refused) + " over quota") << '\n';
  if (truth == nullptr) return;
  if (copsRule != nullptr) {
    RuleScore score = scoreOpponentPositions(*copsRule, *truth, side);
    out << "  opponent positions (rule of cycle " << lastCops->cycle << "): " << score.matched
        << " of " << score.named << " opponents placed around their true home spots\n";
  } else {
    out << "  opponent positions: no rule sent\n";
  }
  out << "  set plays: " << setPlayRules << (setPlayRules == 1 ? " rule, " : " rules, ")
      << setPlays.matched << " of " << setPlays.named
      << " opponent spots within 2 m of the truth\n";
}

}  // namespace

void printAdviceSummary(std::ostream& out, const std::vector<std::unique_ptr<SayRecord>>& records,
                        const MatchTruth* truth) {
  out << "summary:";
  if (truth != nullptr) {
    out << " final score " << truth->names[0] << ' ' << truth->goals[0] << " - " << truth->goals[1]
        << ' ' << truth->names[1];
  }
  out << '\n';
  if (records.empty()) out << "no coach-language messages received\n";
  summariseCoach(out, 'l', records, truth);
  summariseCoach(out, 'r', records, truth);
}
