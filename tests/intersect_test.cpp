// intersect_test.cpp: the segment crossing test: straddle tolerance, vertical cases, properties.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "geometry/intersect.h"

namespace {

struct Case {
    const char* name;
    Point2d a1, a2, b1, b2;
    Point2d expected;
};

bool isSentinel(const Point2d& p) {
    return p.x == NO_INTERSECTION.x && p.y == NO_INTERSECTION.y;
}

}  // namespace

// The crossing configurations with their exact answers.
TEST(IntersectSegments, KnownConfigurations) {
    const Point2d none = NO_INTERSECTION;
    const Case cases[] = {
        {"X-cross", {0, 0}, {1, 1}, {0, 1}, {1, 0}, {0.5, 0.5}},
        {"first vertical", {0, -1}, {0, 1}, {-1, 0}, {1, 1}, {0, 0.5}},
        {"second vertical", {0, 0}, {1, 0}, {0.5, -0.000002}, {0.5, 1}, {0.5, 0}},
        {"end point 5e-7 from the line is inside the tolerance", {0, 0}, {1, 0}, {0.5, -0.0000005}, {0.5, 1}, none},
        {"touching at an end point", {0, 0}, {1, 0}, {0.5, 0}, {0.5, 1}, none},
        {"collinear overlapping", {0, 0}, {2, 2}, {1, 1}, {3, 3}, none},
        {"collinear apart", {0, 0}, {1, 1}, {2, 2}, {3, 3}, none},
        {"parallel", {0, 0}, {1, 1}, {0, 1}, {1, 2}, none},
        {"lines cross outside the second segment", {0, 0}, {1, 0}, {2, -1}, {2, 1}, none},
        {"lines cross outside the first segment", {2, -1}, {2, 1}, {0, 0}, {1, 0}, none},
        {"degenerate segments at the sentinel", none, none, none, none, none},
    };
    for (const Case& c : cases) {
        const Point2d r = intersectSegments(c.a1, c.a2, c.b1, c.b2);
        EXPECT_EQ(r.x, c.expected.x) << c.name;
        EXPECT_EQ(r.y, c.expected.y) << c.name;
    }
}
