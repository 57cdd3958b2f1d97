// Base of the region classes: areas of the field named by coach-language
// advice. Every region writes a protocol form and a readable form.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

class Region {
 public:
  Region() = default;
  Region(const Region&) = delete;
  Region& operator=(const Region&) = delete;
  virtual ~Region() = default;

  // Writes the protocol form to `out` and returns `out`.
  virtual std::ostream& print(std::ostream& out) const = 0;
  // Writes the readable form, `lineHeader` at the start of every line.
  virtual void printPretty(std::ostream& out, std::string lineHeader) const = 0;
};

// An ordered list of owned regions (the members of a union).
using RegionList = std::vector<std::unique_ptr<Region>>;

// Writes the protocol form of `region` and yields the stream.
std::ostream& operator<<(std::ostream& out, const Region& region);
