// Text forms of the mark action.
#include "coach_language/cm_act_mark.h"

CM_ActMark::CM_ActMark(const PlayerSet& players) : players(players) {}

std::ostream& CM_ActMark::print(std::ostream& out) const {
  return out << "(mark " << players << ")";
}

void CM_ActMark::printPretty(std::ostream& out, std::string lineHeader) const {
  out << lineHeader << "mark opponent " << players << std::endl;
}

int CM_ActMark::getType() const {
  return 4;
}
