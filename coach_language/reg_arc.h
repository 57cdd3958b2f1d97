// A ring sector around a centre point: between two radii, from a start angle
// over a span (degrees).
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "coach_language/reg_point.h"

class RegArc : public Region {
 public:
  // Empty centre, all four numbers 0.
  RegArc() = default;
  // Stores the values unchanged, without the checks of setRadius and setAngle;
  // takes ownership of `center`.
  RegArc(std::unique_ptr<RegPoint> center, double startRadius, double endRadius, double startAngle,
         double spanAngle);
  ~RegArc() override = default;

  // "(arc center startRadius endRadius startAngle spanAngle)"; nothing for a missing centre.
  std::ostream& print(std::ostream& out) const override;
  // header "Arc: center=C\tradius=R1 to R2\tangle=A for S" and a line end; "NULL" for a
  // missing centre.
  void printPretty(std::ostream& out, std::string lineHeader) const override;

  // The centre, or nullptr; the arc keeps ownership.
  RegPoint* getCenter() const { return center.get(); }
  // Replaces the centre; the previous one is destroyed.
  void setCenter(std::unique_ptr<RegPoint> newCenter);
  float getStartRadius() const { return startRadius; }
  float getEndRadius() const { return endRadius; }
  float getStartAngle() const { return startAngle; }
  float getSpanAngle() const { return spanAngle; }
  // Stores both radii; false and nothing changed when start > end.
  bool setRadius(double start, double end);
  // Stores both angles; false and nothing changed when start lies outside
  // -180 to 180. The span is not checked.
  bool setAngle(double start, double span);

 private:
  std::unique_ptr<RegPoint> center;
  float startRadius = 0;
  float endRadius = 0;
  float startAngle = 0;
  float spanAngle = 0;
};
