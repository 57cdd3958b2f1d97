// Stream output of messages in their protocol form.
#include "coach_language/cm_message.h"

std::ostream& operator<<(std::ostream& out, const CM_Message& message) {
  return message.print(out);
}
