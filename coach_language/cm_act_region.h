// Shared part of the actions that name one owned region (position and offside
// line): the region and its accessors. Each concrete action adds its own text
// forms and kind code.
#pragma once

#include <memory>
#include <utility>

#include "coach_language/cm_action.h"
#include "coach_language/region.h"

class CM_ActRegion : public CM_Action {
 public:
  // The region, or nullptr; the action keeps ownership.
  Region* getRegion() const { return region.get(); }
  // Replaces the region; the previous one is destroyed.
  void setRegion(std::unique_ptr<Region> newRegion) { region = std::move(newRegion); }

 protected:
  // Takes ownership of `region`.
  explicit CM_ActRegion(std::unique_ptr<Region> region) : region(std::move(region)) {}

 private:
  std::unique_ptr<Region> region;
};
