// point2d.h: the plane point type shared by every layer and the "no crossing" sentinel.
#pragma once

// A point or vector in the plane, in curve units (the units of the control points).
struct Point2d {
    double x;
    double y;
};

// Answer of intersectSegments for segments that do not cross, and the wave point
// where the curve's derivative vanishes. It lies outside the window at every zoom.
inline constexpr Point2d NO_INTERSECTION{100.0, 100.0};
