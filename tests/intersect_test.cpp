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

// Collinear vertical segments, or segments of exactly equal slope, far from the origin: the
// rounding noise of the orientation values exceeds the tolerance with opposite signs, both
// straddle tests pass, and the first segment's midpoint stands in for the crossing.
TEST(IntersectSegments, MidpointWhenOnlyRoundingStraddles) {
    const double vx = -738143.67000000004;
    const Case cases[] = {
        {"both vertical", {vx, 112977}, {vx, 1268925}, {vx, 1055191}, {vx, -1776926}, {vx, 690951}},
        {"equal slopes",
         {1411864, 1182094.6000000001},
         {-385259, -615028.40000000002},
         {-1115894, -1345663.3999999999},
         {1807570, 1577800.6000000001},
         {513302.5, 283533.10000000003}},
    };
    for (const Case& c : cases) {
        const Point2d r = intersectSegments(c.a1, c.a2, c.b1, c.b2);
        EXPECT_EQ(r.x, c.expected.x) << c.name;
        EXPECT_EQ(r.y, c.expected.y) << c.name;
    }
}

// Random segment pairs in the window's range with slopes kept moderate: a proper crossing
// lies inside both bounding boxes, and exchanging the segments or the ends of a segment
// finds the same point up to rounding.
TEST(IntersectSegments, CrossingPropertiesOnRandomSegments) {
    std::mt19937_64 rng(20261207);
    std::uniform_real_distribution<double> coordinate(-1.5, 1.5);
    auto randomSegment = [&](Point2d& a, Point2d& b) {
        do {
            a = {coordinate(rng), coordinate(rng)};
            b = {coordinate(rng), coordinate(rng)};
        } while (std::fabs(b.x - a.x) < 0.05 || std::fabs(b.y - a.y) > 20 * std::fabs(b.x - a.x));
    };
    auto near = [](const Point2d& p, const Point2d& q) {
        return std::fabs(p.x - q.x) <= 1e-9 && std::fabs(p.y - q.y) <= 1e-9;
    };
    int crossings = 0;
    for (int k = 0; k < 20000; ++k) {
        Point2d a1, a2, b1, b2;
        randomSegment(a1, a2);
        randomSegment(b1, b2);
        const Point2d r = intersectSegments(a1, a2, b1, b2);
        if (isSentinel(r)) {
            EXPECT_TRUE(isSentinel(intersectSegments(b1, b2, a1, a2))) << k;
            continue;
        }
        ++crossings;
        const double slack = 1e-9;
        EXPECT_GE(r.x, std::min({a1.x, a2.x}) - slack) << k;
        EXPECT_LE(r.x, std::max({a1.x, a2.x}) + slack) << k;
        EXPECT_GE(r.x, std::min({b1.x, b2.x}) - slack) << k;
        EXPECT_LE(r.x, std::max({b1.x, b2.x}) + slack) << k;
        EXPECT_GE(r.y, std::max(std::min(a1.y, a2.y), std::min(b1.y, b2.y)) - slack) << k;
        EXPECT_LE(r.y, std::min(std::max(a1.y, a2.y), std::max(b1.y, b2.y)) + slack) << k;
        EXPECT_TRUE(near(r, intersectSegments(b1, b2, a1, a2))) << k;
        EXPECT_TRUE(near(r, intersectSegments(a2, a1, b1, b2))) << k;
        EXPECT_TRUE(near(r, intersectSegments(a1, a2, b2, b1))) << k;
    }
    // Enough of the pairs really cross for the properties to mean something.
    EXPECT_GT(crossings, 2000);
}
