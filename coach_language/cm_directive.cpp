// Stream output of directives in their protocol form.
#include "coach_language/cm_directive.h"

std::ostream& operator<<(std::ostream& out, const CM_Directive& directive) {
  return directive.print(out);
}
