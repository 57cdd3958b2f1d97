// Directive: players of one team are advised to do (or not to do) an action,
// which the directive owns.
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "coach_language/cm_action.h"
#include "coach_language/cm_directive.h"
#include "coach_language/cm_team_players.h"
#include "coach_language/player_set.h"

// The side, the player set and their accessors come from CM_TeamPlayers.
class CM_DirCommand : public CM_TeamPlayers<CM_Directive> {
 public:
  // Copies the player set and takes ownership of `action`; positive means "do",
  // ourSide addresses the own team.
  CM_DirCommand(bool positive, bool ourSide, const PlayerSet& players,
                std::unique_ptr<CM_Action> action);
  ~CM_DirCommand() override = default;

  // "(do|dont our|opp {..} action)"; nothing for a missing action.
  std::ostream& print(std::ostream& out) const override;
  // header "our team|opponent {..} DO|DON'T: " and a line end, then the action
  // under header + " " ("NULL" for a missing action).
  void printPretty(std::ostream& out, std::string lineHeader) const override;
  // 0
  int getType() const override;

  bool isPositive() const { return positive; }
  bool isNegative() const { return !positive; }
  void setPositive(bool newPositive) { positive = newPositive; }
  // The action, or nullptr; the directive keeps ownership.
  CM_Action* getAction() const { return action.get(); }
  // Replaces the action; the previous one is destroyed.
  void setAction(std::unique_ptr<CM_Action> newAction);

 private:
  bool positive;
  std::unique_ptr<CM_Action> action;
};
