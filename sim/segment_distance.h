// Distance of a point from a line segment, shared by the say checker's regions
// and the match generator's passing lanes.
#pragma once

// Distance of (px, py) from the segment (ax, ay)-(bx, by): to its nearest point,
// an end when the foot of the perpendicular lies beyond it; to (ax, ay) when
// both ends coincide.
double distanceToSegment(double px, double py, double ax, double ay, double bx, double by);
