// The union of an ordered list of regions, which it owns.
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "coach_language/region.h"

class RegUnion : public Region {
 public:
  // No members.
  RegUnion() = default;
  // Takes ownership of the members, in the order given.
  explicit RegUnion(RegionList regions);
  ~RegUnion() override = default;

  // "(reg m1 m2 ...)"; a missing member writes nothing after its blank.
  std::ostream& print(std::ostream& out) const override;
  // header "Region Union:" and a line end, then each member's readable form under
  // header + "o " ("NULL" for a missing member).
  void printPretty(std::ostream& out, std::string lineHeader) const override;

  // Member i, or nullptr when i is not below the member count.
  Region* getRegion(int i) const;
  // Appends a member; always true.
  bool addRegion(std::unique_ptr<Region> region);
  // Replaces member i (the previous one is destroyed); false and nothing
  // changed when i is not below the member count.
  bool setRegion(int i, std::unique_ptr<Region> region);
  int getRegionCount() const { return static_cast<int>(regions.size()); }
  // Replaces the member list; the previous members are destroyed.
  void setRegions(RegionList newRegions);

 private:
  RegionList regions;
};
