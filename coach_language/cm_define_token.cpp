// Stream output of definition tokens in their protocol form.
#include "coach_language/cm_define_token.h"

std::ostream& operator<<(std::ostream& out, const CM_DefineToken& token) {
  return token.print(out);
}
