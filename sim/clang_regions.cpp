// Point positions and containment of parsed coach-language regions (see clang_regions.h).
#include "sim/clang_regions.h"

#include <cmath>

#include "sim/segment_distance.h"

namespace {

constexpr double PI = 3.141592654;

bool quadContains(const ClangRegion& quad, double x, double y, double tolerance) {
  if (quad.parts.size() != 4) return false;
  double cx[4], cy[4];
  for (int i = 0; i < 4; ++i) {
    if (!quad.parts[i] || !clangPointPosition(*quad.parts[i], cx[i], cy[i])) return false;
  }
  bool inside = false;
  for (int i = 0, j = 3; i < 4; j = i++) {
    if (distanceToSegment(x, y, cx[j], cy[j], cx[i], cy[i]) <= tolerance) return true;
    // Even-odd rule: count the edges crossed by a ray from the spot towards +x.
    if ((cy[i] > y) != (cy[j] > y) && x < cx[j] + (y - cy[j]) * (cx[i] - cx[j]) / (cy[i] - cy[j])) {
      inside = !inside;
    }
  }
  return inside;
}

bool arcContains(const ClangRegion& arc, double x, double y, double tolerance) {
  double cx = 0, cy = 0;
  if (arc.parts.size() != 1 || !arc.parts[0] || !clangPointPosition(*arc.parts[0], cx, cy)) {
    return false;
  }
  double d = std::hypot(x - cx, y - cy);
  if (d < arc.startRadius - tolerance || d > arc.endRadius + tolerance) return false;
  if (d <= tolerance || std::fabs(arc.spanAngle) >= 360) return true;
  double angle = std::atan2(y - cy, x - cx) * 180 / PI;
  double from = arc.spanAngle >= 0 ? arc.startAngle : arc.startAngle + arc.spanAngle;
  double offset = std::fmod(angle - from, 360.0);
  if (offset < 0) offset += 360;
  // The tolerance in metres taken as an angle at this distance.
  double slack = tolerance / d * 180 / PI;
  return offset <= std::fabs(arc.spanAngle) + slack || offset >= 360 - slack;
}

}  // namespace

bool clangPointPosition(const ClangRegion& region, double& x, double& y) {
  if (region.kind == ClangRegionKind::Point) {
    x = region.x;
    y = region.y;
    return true;
  }
  if (region.kind != ClangRegionKind::RelativePoint || region.parts.size() != 1 ||
      !region.parts[0]) {
    return false;
  }
  double ox = 0, oy = 0;
  if (!clangPointPosition(*region.parts[0], ox, oy)) return false;
  x = ox + region.x;
  y = oy + region.y;
  return true;
}

bool clangRegionContains(const ClangRegion& region, double x, double y, double tolerance) {
  switch (region.kind) {
    case ClangRegionKind::Point:
    case ClangRegionKind::RelativePoint: {
      double px = 0, py = 0;
      return clangPointPosition(region, px, py) && std::hypot(x - px, y - py) <= tolerance;
    }
    case ClangRegionKind::Quad:
      return quadContains(region, x, y, tolerance);
    case ClangRegionKind::Arc:
      return arcContains(region, x, y, tolerance);
    case ClangRegionKind::Union:
      for (const auto& member : region.parts) {
        if (member && clangRegionContains(*member, x, y, tolerance)) return true;
      }
      return false;
  }
  return false;
}
