// Stream output of regions in their protocol form.
#include "coach_language/region.h"

std::ostream& operator<<(std::ostream& out, const Region& region) {
  return region.print(out);
}
