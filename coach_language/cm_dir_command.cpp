// Text forms of the do/don't command directive.
#include "coach_language/cm_dir_command.h"

#include <utility>

#include "coach_language/print_helpers.h"
#include "coach_language/wire_format.h"

CM_DirCommand::CM_DirCommand(bool positive, bool ourSide, const PlayerSet& players,
                             std::unique_ptr<CM_Action> action)
    : CM_TeamPlayers(ourSide, players), positive(positive), action(std::move(action)) {}

std::ostream& CM_DirCommand::print(std::ostream& out) const {
  out << "(" << (positive ? "do" : "dont") << " " << sideKeyword(isOurSide()) << " " << getPlayers()
      << " ";
  printHeld(out, action.get());
  return out << ")";
}

void CM_DirCommand::printPretty(std::ostream& out, std::string lineHeader) const {
  out << lineHeader << sideTitle(isOurSide()) << " " << getPlayers() << " "
      << (positive ? "DO" : "DON'T") << ": " << std::endl;
  printPrettyHeld(out, action.get(), lineHeader + " ");
}

int CM_DirCommand::getType() const {
  return 0;
}

void CM_DirCommand::setAction(std::unique_ptr<CM_Action> newAction) {
  action = std::move(newAction);
}
