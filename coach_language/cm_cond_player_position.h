// Condition: between minMatch and maxMatch of the given players of one team
// are in a region, which the condition owns.
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "coach_language/cm_condition.h"
#include "coach_language/cm_team_players.h"
#include "coach_language/player_set.h"
#include "coach_language/region.h"

// The side, the player set and their accessors come from CM_TeamPlayers.
class CM_CondPlayerPosition : public CM_TeamPlayers<CM_Condition> {
 public:
  // Copies the player set and takes ownership of `region`.
  CM_CondPlayerPosition(bool ourSide, const PlayerSet& players, int minMatch, int maxMatch,
                        std::unique_ptr<Region> region);
  ~CM_CondPlayerPosition() override = default;

  // "(ppos our|opp {..} min max region)"; nothing for a missing region.
  std::ostream& print(std::ostream& out) const override;
  // header "are min-max our team|opponent {..} in:" and a line end, then the region
  // under header + " " ("NULL" for a missing region).
  void printPretty(std::ostream& out, std::string lineHeader) const override;
  // 2
  int getType() const override;
  // Always true.
  bool evaluate() const override;

  int getMinMatch() const { return minMatch; }
  void setMinMatch(int n) { minMatch = n; }
  int getMaxMatch() const { return maxMatch; }
  void setMaxMatch(int n) { maxMatch = n; }
  // The region, or nullptr; the condition keeps ownership.
  Region* getRegion() const { return region.get(); }
  // Replaces the region; the previous one is destroyed.
  void setRegion(std::unique_ptr<Region> newRegion);
  // Hands the region to the caller; the condition then holds none.
  std::unique_ptr<Region> releaseRegion();

 private:
  int minMatch;
  int maxMatch;
  std::unique_ptr<Region> region;
};
