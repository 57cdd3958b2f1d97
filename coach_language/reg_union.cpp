// Text forms and member accessors of a region union.
#include "coach_language/reg_union.h"

#include <utility>

#include "coach_language/print_helpers.h"

RegUnion::RegUnion(RegionList regions) : regions(std::move(regions)) {}

std::ostream& RegUnion::print(std::ostream& out) const {
  out << "(reg";
  printEach(out, regions);
  return out << ")";
}

void RegUnion::printPretty(std::ostream& out, std::string lineHeader) const {
  out << lineHeader << "Region Union:" << std::endl;
  printPrettyEach(out, regions, lineHeader + "o ");
}

Region* RegUnion::getRegion(int i) const {
  if (i < 0 || i >= getRegionCount()) return nullptr;
  return regions[i].get();
}

bool RegUnion::addRegion(std::unique_ptr<Region> region) {
  regions.push_back(std::move(region));
  return true;
}

bool RegUnion::setRegion(int i, std::unique_ptr<Region> region) {
  if (i < 0 || i >= getRegionCount()) return false;
  regions[i] = std::move(region);
  return true;
}

void RegUnion::setRegions(RegionList newRegions) {
  regions.clear();
  regions = std::move(newRegions);
}
