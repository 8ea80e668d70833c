// intersect.h: the proper crossing of two line segments, with its orientation and side tests.
#pragma once

#include <cmath>

#include "geometry/point2d.h"

// Orientation values closer to 0 than this count as "on the line".
inline constexpr double SIDE_TOLERANCE = 1e-6;

// Cross product (Q - P) x (R - P), summed in a fixed order so every caller gets the same bits:
// positive when R lies left of the line P->Q, negative when right.
inline double orient(const Point2d& p, const Point2d& q, const Point2d& r) {
    return (p.x * q.y + q.x * r.y + p.y * r.x) - (p.x * r.y + p.y * q.x + q.y * r.x);
}

// -1, 0 or +1 for an orientation value; NaN counts as +1.
inline int side(double v) {
    if (std::fabs(v) < SIDE_TOLERANCE) return 0;
    if (v >= SIDE_TOLERANCE) return 1;
    if (v <= -SIDE_TOLERANCE) return -1;
    return 1;
}

// Where the lines of two segments that pass both straddle tests cross, in slope form; the
// first segment's midpoint when both are vertical or their slopes are equal.
Point2d crossingPoint(const Point2d& a1, const Point2d& a2, const Point2d& b1, const Point2d& b2);

// Crossing point of segments A1-A2 and B1-B2 when each strictly straddles the other's
// line, otherwise NO_INTERSECTION. Pure: allocates nothing, prints nothing.
Point2d intersectSegments(Point2d a1, Point2d a2, Point2d b1, Point2d b2);
