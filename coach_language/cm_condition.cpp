// Stream output of conditions in their protocol form.
#include "coach_language/cm_condition.h"

std::ostream& operator<<(std::ostream& out, const CM_Condition& condition) {
  return condition.print(out);
}
