// Distances, directions and polar offsets between field points.
#pragma once

#include "geometry/point.h"

// Euclidean distance between (x1, y1) and (x2, y2).
double distance(double x1, double y1, double x2, double y2);

// Direction in degrees (-180..180) from (x1, y1) to (x2, y2); 0 for equal points.
double direction(double x1, double y1, double x2, double y2);

// The point dist away from (px, py) at angle degrees: (px + cos * dist, py - sin * dist).
// The y term is subtracted.
Point pointAtPolar(double px, double py, double angle, double dist);
