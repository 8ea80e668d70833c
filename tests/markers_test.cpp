// markers_test.cpp: the self-crossing pass over wavePolyline, recorded through the GL stand-in, and
// the list of its marker points with their segments, which every case checks against what is drawn.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "app/drawing_link.h"
#include "app/scene_state.h"
#include "geometry/intersect.h"
#include "geometry/marker_points.h"
#include "render/display.h"
#include "render/markers.h"
#include "support/gl_recorder.h"

namespace {

using Vertices = std::vector<std::array<float, 2>>;

// Where the vertex rule puts p at the scene's zoom.
std::array<float, 2> drawn(const Point2d& p) {
    return {static_cast<float>(p.x * scene.zoom), static_cast<float>(p.y * scene.zoom)};
}

// Equal to the bit, NaN included.
bool sameBits(const std::array<float, 2>& a, const std::array<float, 2>& b) {
    return std::memcmp(a.data(), b.data(), sizeof a) == 0;
}

// The list of marker points holds the drawn markers in drawing order, each the crossing of the two
// segments it names, the earlier first.
void expectListMatchesDrawn(const Vertices& markers) {
    const std::vector<Point2d>& p = scene.wavePolyline;
    const std::vector<MarkerPoint> list = markerPoints(p);
    ASSERT_EQ(list.size(), markers.size());
    for (std::size_t k = 0; k < list.size(); ++k) {
        const MarkerPoint& m = list[k];
        EXPECT_TRUE(sameBits(drawn(m.point), markers[k])) << k;
        ASSERT_LT(m.earlierSegment + 1, m.laterSegment) << k;
        ASSERT_LT(m.laterSegment + 1, p.size()) << k;
        const Point2d r = intersectSegments(p[m.earlierSegment], p[m.earlierSegment + 1], p[m.laterSegment],
                                            p[m.laterSegment + 1]);
        EXPECT_TRUE(sameBits(drawn(r), markers[k])) << k;
    }
}

// Markers drawn for the given wave polyline at zoom 1.
Vertices markersFor(std::vector<Point2d> polyline) {
    scene = SceneState{};
    scene.zoom = 1;
    scene.wavePolyline = std::move(polyline);
    glRecorder::reset();
    drawIntersectionMarkers();
    const Vertices markers = glRecorder::verticesOfPrimitive(0);
    expectListMatchesDrawn(markers);
    return markers;
}

// Markers of a whole frame.
Vertices markersOfFrame() {
    glRecorder::reset();
    testing::internal::CaptureStdout();
    display();
    testing::internal::GetCapturedStdout();
    const Vertices markers = glRecorder::verticesOfPrimitive(3);
    expectListMatchesDrawn(markers);
    return markers;
}

}  // namespace

// Short polylines: neighbouring segments are never tested, so nothing short of four points
// can give a marker; four points give the one pair of segment 0 against segment 2.
TEST(DrawIntersectionMarkers, ShortPolylines) {
    struct Case {
        const char* name;
        std::vector<Point2d> points;
        Vertices expected;
    };
    const Case cases[] = {
        {"empty", {}, {}},
        {"one point", {{0, 0}}, {}},
        {"two points", {{0, 0}, {1, 1}}, {}},
        {"three points folding back", {{0, 0}, {1, 1}, {0, 1}}, {}},
        {"four points, segment 0 crosses segment 2", {{0, 0}, {1, 1}, {0, 1}, {1, 0}}, {{0.5f, 0.5f}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(markersFor(c.points), c.expected) << c.name;
        EXPECT_EQ(glRecorder::count(GlFunction::Begin), 1u) << c.name;
        EXPECT_EQ(glRecorder::calls().front().args, (std::array<double, 3>{1, 0, 1})) << c.name;
    }
}

// A pentagram drawn in one stroke crosses itself five times; every crossing is marked once,
// in the order of the earlier segment, then the later one. Its first and last segments only
// touch at the shared corner.
TEST(DrawIntersectionMarkers, PentagramCrossingsInPairOrder) {
    const double pi = std::acos(-1.0);
    std::vector<Point2d> star;
    for (int k = 0; k <= 5; ++k) {
        const double angle = pi / 2 + (2 * k % 5) * 2 * pi / 5;
        star.push_back({std::cos(angle), std::sin(angle)});
    }
    const Vertices markers = markersFor(star);
    // Pairs (0,2), (0,3), (1,3), (1,4), (2,4): each an inner corner of the pentagram.
    const int pairs[5][2] = {{0, 2}, {0, 3}, {1, 3}, {1, 4}, {2, 4}};
    ASSERT_EQ(markers.size(), 5u);
    const double innerRadius = std::cos(2 * pi / 5) / std::cos(pi / 5);
    for (int k = 0; k < 5; ++k) {
        const Point2d r = intersectSegments(star[pairs[k][0]], star[pairs[k][0] + 1], star[pairs[k][1]],
                                            star[pairs[k][1] + 1]);
        EXPECT_EQ(markers[k], (std::array<float, 2>{static_cast<float>(r.x), static_cast<float>(r.y)})) << k;
        EXPECT_NEAR(std::hypot(r.x, r.y), innerRadius, 1e-12) << k;
    }
}

// Only results right of x = 10 are dropped: a crossing far left, at x = 10 exactly or with
// a NaN x is still drawn. Slopes that overflow give such a NaN through the slope form.
TEST(DrawIntersectionMarkers, DropsOnlyResultsRightOfTen) {
    EXPECT_EQ(markersFor({{-50, -50}, {-40, -40}, {-50, -40}, {-40, -50}}).size(), 1u);
    EXPECT_EQ(markersFor({{5, 5}, {15, 15}, {5, 15}, {15, 5}}).size(), 1u);
    EXPECT_EQ(markersFor({{6, 6}, {16, 16}, {6, 16}, {16, 6}}).size(), 0u);
    const Vertices nan = markersFor({{1, -1e308}, {0, 3}, {0, 0}, {0.5, 1e308}});
    ASSERT_EQ(nan.size(), 1u);
    EXPECT_TRUE(std::isnan(nan[0][0]));
}

// The start-up wave never crosses itself; twelve half-waves swinging 0.3 do, at both resolutions.
TEST(DrawIntersectionMarkers, FramesWithAndWithoutCrossings) {
    for (double steps : {100.0, 512.0}) {
        scene = SceneState{};
        scene.segmentCount = steps;
        EXPECT_TRUE(markersOfFrame().empty()) << steps;
        scene.waveCount = 12;
        scene.waveAmplitude = 0.3;
        EXPECT_FALSE(markersOfFrame().empty()) << steps;
    }
}

// The README's markers drawing: 24 marker points, the first where segments 73 and 411 cross.
TEST(DrawIntersectionMarkers, ReadmeDrawingListsEveryMarkerWithItsSegments) {
    scene = SceneState{};
    applyDrawing(readDrawing("p=-0.3,0,-0.1,0.4,0.1,0.4,0.3,0&n=12&a=0.30000000000000016&s=512&z=2").drawing, scene);
    EXPECT_EQ(markersOfFrame().size(), 24u);
    const MarkerPoint first = markerPoints(scene.wavePolyline).front();
    EXPECT_EQ(first.earlierSegment, 73u);
    EXPECT_EQ(first.laterSegment, 411u);
}

// With P0 = P1 the first wave point is the sentinel (100, 100); it stays in the list and
// its segment, aimed at the window from far up right, is tested against the later ones.
TEST(DrawIntersectionMarkers, SentinelSegmentIsTestedLikeAnyOther) {
    scene = SceneState{};
    scene.controlPoints[1] = scene.controlPoints[0];
    const Vertices markers = markersOfFrame();
    const std::vector<Point2d>& p = scene.wavePolyline;
    ASSERT_EQ(p[0].x, 100.0);
    Vertices fromFirstSegment;
    for (std::size_t m = 2; m + 1 < p.size(); ++m) {
        const Point2d r = intersectSegments(p[0], p[1], p[m], p[m + 1]);
        if (r.x <= 10) fromFirstSegment.push_back(drawn(r));
    }
    ASSERT_FALSE(fromFirstSegment.empty());
    ASSERT_GE(markers.size(), fromFirstSegment.size());
    EXPECT_EQ(Vertices(markers.begin(), markers.begin() + fromFirstSegment.size()), fromFirstSegment);
}
