// intersect.cpp: segment crossing by straddle tests, then the crossing point in slope form.
#include "geometry/intersect.h"

namespace {

Point2d midpoint(const Point2d& a1, const Point2d& a2) {
    return {(a1.x + a2.x) * 0.5, (a1.y + a2.y) * 0.5};
}

}  // namespace

Point2d crossingPoint(const Point2d& a1, const Point2d& a2, const Point2d& b1, const Point2d& b2) {
    // Two vertical or equally steep segments that still straddle can only do so at the
    // limits of precision: the first segment's midpoint stands in for the crossing.
    if (a1.x == a2.x) {
        if (b1.x == b2.x) return midpoint(a1, a2);
        const double m2 = (b2.y - b1.y) / (b2.x - b1.x);
        return {a1.x, m2 * (a1.x - b1.x) + b1.y};
    }
    if (b1.x == b2.x) {
        const double m1 = (a2.y - a1.y) / (a2.x - a1.x);
        return {b1.x, m1 * (b1.x - a1.x) + a1.y};
    }
    const double m1 = (a2.y - a1.y) / (a2.x - a1.x);
    const double m2 = (b2.y - b1.y) / (b2.x - b1.x);
    if (m1 == m2) return midpoint(a1, a2);
    const double x = ((m1 * a1.x) - (m2 * b1.x) + b1.y - a1.y) / (m1 - m2);
    return {x, (x - a1.x) * m1 + a1.y};
}

Point2d intersectSegments(Point2d a1, Point2d a2, Point2d b1, Point2d b2) {
    // Both straddle tests use only products and sums, so the common case of
    // segments that do not cross never divides.
    if (side(orient(a1, a2, b1)) * side(orient(a1, a2, b2)) >= 0) return NO_INTERSECTION;
    if (side(orient(b1, b2, a1)) * side(orient(b1, b2, a2)) >= 0) return NO_INTERSECTION;
    return crossingPoint(a1, a2, b1, b2);
}
