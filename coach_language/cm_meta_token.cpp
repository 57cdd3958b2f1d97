// Stream output of meta tokens in their protocol form.
#include "coach_language/cm_meta_token.h"

std::ostream& operator<<(std::ostream& out, const CM_MetaToken& token) {
  return token.print(out);
}
