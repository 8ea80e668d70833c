// curve_shape.h: the shape a cubic Bézier curve takes, read from its control points.
#pragma once

#include <vector>

#include "geometry/bezier.h"

// Within this times the control polygon's size counts as there (a corner on a line, a derivative at 0,
// the loop's two points on one another), and parameters this close as one: room for rounding, far
// below a pixel at any zoom.
inline constexpr double SHAPE_TOLERANCE = 1e-9;

// In order of precedence: the first that holds is the shape.
enum class CurveShapeKind {
    SinglePoint,   // all four corners on one place
    Cusp,          // the derivative vanishes at some 0 < t < 1
    Loop,          // the curve crosses itself
    StraightLine,  // every corner on the line through P0 and P3 (or the two corners farthest apart)
    SBend,         // the curvature changes sign for some 0 <= t <= 1
    Arch,
};

struct CurveShape {
    CurveShapeKind kind;
    // Increasing parameters: each cusp's, the loop's two that meet, or each turn of an S-bend.
    std::vector<double> parameters;
};

CurveShape curveShape(const ControlPoints& p);
