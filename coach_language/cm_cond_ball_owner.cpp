// Text forms of the ball-owner condition.
#include "coach_language/cm_cond_ball_owner.h"

#include "coach_language/wire_format.h"

CM_CondBallOwner::CM_CondBallOwner(bool ourSide, const PlayerSet& players)
    : CM_TeamPlayers(ourSide, players) {}

std::ostream& CM_CondBallOwner::print(std::ostream& out) const {
  return out << "(bowner"
             << " " << sideKeyword(isOurSide()) << " " << getPlayers() << ")";
}

void CM_CondBallOwner::printPretty(std::ostream& out, std::string lineHeader) const {
  out << lineHeader << "is ball controlled by someone in " << sideTitle(isOurSide()) << " "
      << getPlayers() << std::endl;
}

int CM_CondBallOwner::getType() const {
  return 4;
}

bool CM_CondBallOwner::evaluate() const {
  return true;
}
