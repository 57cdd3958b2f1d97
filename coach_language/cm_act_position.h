// Action: take position in a region, which the action owns.
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "coach_language/cm_act_region.h"
#include "coach_language/region.h"

// The region and its accessors (getRegion, setRegion) come from CM_ActRegion.
class CM_ActPosition : public CM_ActRegion {
 public:
  // Takes ownership of `region`.
  explicit CM_ActPosition(std::unique_ptr<Region> region);
  ~CM_ActPosition() override = default;

  // "(pos region)"; nothing for a missing region.
  std::ostream& print(std::ostream& out) const override;
  // header "position self at: " and a line end, then the region under header + " "
  // ("NULL" for a missing region).
  void printPretty(std::ostream& out, std::string lineHeader) const override;
  // 0
  int getType() const override;
};
