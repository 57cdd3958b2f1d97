// Shared part of the conditions and directives that name players of one team
// (ball owner, player position, do/don't command): the side, the player set and
// their accessors. It sits between the kind's base (CM_Condition or
// CM_Directive) and the concrete class and adds no virtual of its own.
#pragma once

#include "coach_language/player_set.h"

template <class Base>
class CM_TeamPlayers : public Base {
 public:
  bool isOurSide() const { return ourSide; }
  bool isTheirSide() const { return !ourSide; }
  void setOurSide(bool newOurSide) { ourSide = newOurSide; }
  const PlayerSet& getPlayers() const { return players; }
  void setPlayers(const PlayerSet& newPlayers) { players = newPlayers; }
  void addPlayer(int n) { players.add(n); }
  void removePlayer(int n) { players.remove(n); }
  void clearPlayers() { players.clear(); }

 protected:
  // Copies the player set; ourSide is true for the own team.
  CM_TeamPlayers(bool ourSide, const PlayerSet& players) : ourSide(ourSide), players(players) {}

 private:
  bool ourSide;
  PlayerSet players;
};
