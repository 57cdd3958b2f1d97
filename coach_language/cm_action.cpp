// Stream output of actions in their protocol form.
#include "coach_language/cm_action.h"

std::ostream& operator<<(std::ostream& out, const CM_Action& action) {
  return action.print(out);
}
