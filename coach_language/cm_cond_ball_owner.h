// Condition: the ball is controlled by one of the given players of one team.
#pragma once

#include <ostream>
#include <string>

#include "coach_language/cm_condition.h"
#include "coach_language/player_set.h"

class CM_CondBallOwner : public CM_Condition {
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

  bool isOurSide() const { return ourSide; }
  bool isTheirSide() const { return !ourSide; }
  void setOurSide(bool newOurSide) { ourSide = newOurSide; }
  const PlayerSet& getPlayers() const { return players; }
  void setPlayers(const PlayerSet& newPlayers) { players = newPlayers; }
  void addPlayer(int n) { players.add(n); }
  void removePlayer(int n) { players.remove(n); }
  void clearPlayers() { players.clear(); }

 private:
  bool ourSide;
  PlayerSet players;
};
