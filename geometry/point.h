// A position on the field (or any 2-D vector) in metres, the point type every subsystem shares.
#pragma once

struct Point {
  double x;
  double y;

  friend bool operator==(const Point&, const Point&) = default;
};
