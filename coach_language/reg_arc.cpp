// Text forms and checked setters of an arc region.
#include "coach_language/reg_arc.h"

#include <utility>

#include "coach_language/print_helpers.h"

RegArc::RegArc(std::unique_ptr<RegPoint> center, double startRadius, double endRadius,
               double startAngle, double spanAngle)
    : center(std::move(center)),
      startRadius(static_cast<float>(startRadius)),
      endRadius(static_cast<float>(endRadius)),
      startAngle(static_cast<float>(startAngle)),
      spanAngle(static_cast<float>(spanAngle)) {}

std::ostream& RegArc::print(std::ostream& out) const {
  out << "(arc"
      << " ";
  printHeld(out, center.get());
  return out << " " << static_cast<double>(startRadius) << " " << static_cast<double>(endRadius)
             << " " << static_cast<double>(startAngle) << " " << static_cast<double>(spanAngle)
             << ")";
}

void RegArc::printPretty(std::ostream& out, std::string lineHeader) const {
  out << lineHeader << "Arc: "
      << "center=";
  printInlineHeld(out, center.get());
  out << "\tradius=" << static_cast<double>(startRadius) << " to " << static_cast<double>(endRadius)
      << "\tangle=" << static_cast<double>(startAngle) << " for " << static_cast<double>(spanAngle)
      << std::endl;
}

void RegArc::setCenter(std::unique_ptr<RegPoint> newCenter) {
  center = std::move(newCenter);
}

bool RegArc::setRadius(double start, double end) {
  const float newStart = static_cast<float>(start);
  const float newEnd = static_cast<float>(end);
  // Written so that a value that is not a number is accepted.
  if (newStart > newEnd) return false;
  startRadius = newStart;
  endRadius = newEnd;
  return true;
}

bool RegArc::setAngle(double start, double span) {
  const float newStart = static_cast<float>(start);
  // Written so that a value that is not a number is accepted.
  if (newStart > 180 || newStart < -180) return false;
  startAngle = newStart;
  spanAngle = static_cast<float>(span);
  return true;
}
