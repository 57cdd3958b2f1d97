// Text forms of the play-mode condition.
#include "coach_language/cm_cond_play_mode.h"

#include "coach_language/wire_format.h"

CM_CondPlayMode::CM_CondPlayMode(int playMode) : playMode(playMode) {}

std::ostream& CM_CondPlayMode::print(std::ostream& out) const {
  return out << "(playm " << playModeName(playMode) << ")";
}

void CM_CondPlayMode::printPretty(std::ostream& out, std::string lineHeader) const {
  out << lineHeader << "is play mode '" << playModeName(playMode) << "'" << std::endl;
}

int CM_CondPlayMode::getType() const {
  return 5;
}

bool CM_CondPlayMode::evaluate() const {
  return true;
}
