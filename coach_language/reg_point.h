// Base of the point regions; a point can also write its readable form inline,
// without a line header, so that other regions embed it in their own lines.
#pragma once

#include <ostream>

#include "coach_language/region.h"

class RegPoint : public Region {
 public:
  // Writes the readable form without any line header and returns `out`.
  virtual std::ostream& printInline(std::ostream& out) const = 0;
};
