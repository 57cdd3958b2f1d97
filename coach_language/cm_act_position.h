// Action: take position in a region, which the action owns.
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "coach_language/cm_action.h"
#include "coach_language/region.h"

class CM_ActPosition : public CM_Action {
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

  // The region, or nullptr; the action keeps ownership.
  Region* getRegion() const { return region.get(); }
  // Replaces the region; the previous one is destroyed.
  void setRegion(std::unique_ptr<Region> newRegion);

 private:
  std::unique_ptr<Region> region;
};
