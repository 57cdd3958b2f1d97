// Text forms and region accessors of the player-position condition.
#include "coach_language/cm_cond_player_position.h"

#include <utility>

#include "coach_language/print_helpers.h"
#include "coach_language/wire_format.h"

CM_CondPlayerPosition::CM_CondPlayerPosition(bool ourSide, const PlayerSet& players, int minMatch,
                                             int maxMatch, std::unique_ptr<Region> region)
    : CM_TeamPlayers(ourSide, players),
      minMatch(minMatch),
      maxMatch(maxMatch),
      region(std::move(region)) {}

std::ostream& CM_CondPlayerPosition::print(std::ostream& out) const {
  out << "(ppos"
      << " " << sideKeyword(isOurSide()) << " " << getPlayers() << " " << minMatch << " "
      << maxMatch << " ";
  printHeld(out, region.get());
  return out << ")";
}

void CM_CondPlayerPosition::printPretty(std::ostream& out, std::string lineHeader) const {
  out << lineHeader << "are " << minMatch << "-" << maxMatch << " " << sideTitle(isOurSide()) << " "
      << getPlayers() << " "
      << "in:" << std::endl;
  printPrettyHeld(out, region.get(), lineHeader + " ");
}

int CM_CondPlayerPosition::getType() const {
  return 2;
}

bool CM_CondPlayerPosition::evaluate() const {
  return true;
}

void CM_CondPlayerPosition::setRegion(std::unique_ptr<Region> newRegion) {
  region = std::move(newRegion);
}

std::unique_ptr<Region> CM_CondPlayerPosition::releaseRegion() {
  return std::move(region);
}
