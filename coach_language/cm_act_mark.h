// Action: mark the opponents of a player set.
#pragma once

#include <ostream>
#include <string>

#include "coach_language/cm_action.h"
#include "coach_language/player_set.h"

class CM_ActMark : public CM_Action {
 public:
  // Copies the set of opponents to mark.
  explicit CM_ActMark(const PlayerSet& players);
  ~CM_ActMark() override = default;

  // "(mark {..})"
  std::ostream& print(std::ostream& out) const override;
  // header "mark opponent {..}" and a line end.
  void printPretty(std::ostream& out, std::string lineHeader) const override;
  // 4
  int getType() const override;

  const PlayerSet& getPlayers() const { return players; }
  void setPlayers(const PlayerSet& newPlayers) { players = newPlayers; }

 private:
  PlayerSet players;
};
