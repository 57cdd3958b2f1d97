// Geometry of parsed coach-language regions: where a point region lies and whether a region
// holds a field spot, so tests can compare advice with the truth.
#pragma once

#include "sim/clang_tree.h"

// Absolute position of a point region: a simple point's coordinates, a relative point's offsets
// added to its origin's position. False (and `x`, `y` unchanged) for any other region.
bool clangPointPosition(const ClangRegion& region, double& x, double& y);

// True when the spot (x, y) lies in `region`, edges included, within `tolerance` metres:
// a point region holds the spots within `tolerance` of it; a quadrangle the spots inside the
// polygon of its four corners taken in order (a degenerate one, such as four corners on one
// line, the spots on its edges); an arc the ring sector between its radii from its start angle
// over its span (degrees, either sign); a union the spots of any member.
bool clangRegionContains(const ClangRegion& region, double x, double y, double tolerance = 1e-6);
