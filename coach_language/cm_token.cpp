// Stream output of tokens in their protocol form.
#include "coach_language/cm_token.h"

std::ostream& operator<<(std::ostream& out, const CM_Token& token) {
  return token.print(out);
}
