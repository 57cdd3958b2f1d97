// Condition: the ball is controlled by one of the given players of one team.
#pragma once

#include <ostream>
#include <string>

#include "coach_language/cm_condition.h"
#include "coach_language/cm_team_players.h"
#include "coach_language/player_set.h"

// The side, the player set and their accessors come from CM_TeamPlayers.
class CM_CondBallOwner : public CM_TeamPlayers<CM_Condition> {
 public:
  // Copies the player set; ourSide is true for the own team.
  CM_CondBallOwner(bool ourSide, const PlayerSet& players);
  ~CM_CondBallOwner() override = default;

  // "(bowner our|opp {..})"
  std::ostream& print(std::ostream& out) const override;
  // header "is ball controlled by someone in our team|opponent {..}" and a line end.
  void printPretty(std::ostream& out, std::string lineHeader) const override;
  // 4
  int getType() const override;
  // Always true.
  bool evaluate() const override;
};
