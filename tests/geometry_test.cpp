// geometry_test.cpp: the Bézier point, derivative and wave point as pure functions.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "geometry/bezier.h"

namespace {

const ControlPoints START{{{-0.3, 0.0}, {-0.1, 0.4}, {0.1, 0.4}, {0.3, 0.0}}};
const WaveShape START_WAVE{10.0, 0.1, std::acos(-1.0)};

// Runs f with stdout captured and returns what it printed.
template <class F>
std::string printedBy(F f) {
    testing::internal::CaptureStdout();
    f();
    return testing::internal::GetCapturedStdout();
}

std::string warningAt(const char* t) {
    return std::string("warning : t = ") + t + ", derivative vector is (0,0)\n";
}

}  // namespace

// The curve starts and ends exactly on its end control points.
TEST(BezierPoint, EndsAreExactlyTheEndControlPoints) {
    EXPECT_EQ(bezierPoint(START, 0).x, START[0].x);
    EXPECT_EQ(bezierPoint(START, 0).y, START[0].y);
    EXPECT_EQ(bezierPoint(START, 1).x, START[3].x);
    EXPECT_EQ(bezierPoint(START, 1).y, START[3].y);
}

// Inner values of the start-up curve, which are rounded results.
TEST(BezierPoint, StartUpCurveInnerValues) {
    EXPECT_DOUBLE_EQ(bezierPoint(START, 0.25).x, -0.15);
    EXPECT_DOUBLE_EQ(bezierPoint(START, 0.25).y, 0.225);
    EXPECT_NEAR(bezierPoint(START, 0.5).x, 0.0, 1e-16);
    EXPECT_DOUBLE_EQ(bezierPoint(START, 0.5).y, 0.3);
}

// D(0) = 3 (P1 - P0) and D(1) = 3 (P3 - P2) exactly; inner values of the start-up curve.
TEST(BezierDerivative, StartUpCurveValues) {
    struct Case {
        double t, x, y;
    };
    for (const Case& c : {Case{0, (START[1].x - START[0].x) * 3, (START[1].y - START[0].y) * 3},
                          Case{1, (START[3].x - START[2].x) * 3, (START[3].y - START[2].y) * 3}}) {
        EXPECT_EQ(bezierDerivative(START, c.t).x, c.x) << "t = " << c.t;
        EXPECT_EQ(bezierDerivative(START, c.t).y, c.y) << "t = " << c.t;
    }
    EXPECT_DOUBLE_EQ(bezierDerivative(START, 0).x, 0.6);
    EXPECT_DOUBLE_EQ(bezierDerivative(START, 0).y, 1.2);
    EXPECT_DOUBLE_EQ(bezierDerivative(START, 0.25).x, 0.6);
    EXPECT_DOUBLE_EQ(bezierDerivative(START, 0.25).y, 0.6);
    EXPECT_DOUBLE_EQ(bezierDerivative(START, 0.5).x, 0.6);
    EXPECT_NEAR(bezierDerivative(START, 0.5).y, 0.0, 1e-16);
}

// At a peak the wave point sits the amplitude away along the left normal; at a node on the curve.
TEST(WavePoint, StartUpCurvePeakAndNodes) {
    const Point2d peak = wavePoint(START, START_WAVE, 0.25);
    EXPECT_NEAR(peak.x, -0.15 - 0.1 / std::sqrt(2.0), 1e-15);
    EXPECT_NEAR(peak.y, 0.225 + 0.1 / std::sqrt(2.0), 1e-15);

    const Point2d middle = wavePoint(START, START_WAVE, 0.5);
    EXPECT_NEAR(middle.x, bezierPoint(START, 0.5).x, 1e-15);
    EXPECT_NEAR(middle.y, bezierPoint(START, 0.5).y, 1e-15);

    // sin(0) is exactly 0, so W(0) is exactly P0.
    EXPECT_EQ(wavePoint(START, START_WAVE, 0).x, START[0].x);
    EXPECT_EQ(wavePoint(START, START_WAVE, 0).y, START[0].y);
    EXPECT_NEAR(wavePoint(START, START_WAVE, 1).x, START[3].x, 1e-15);
    EXPECT_NEAR(wavePoint(START, START_WAVE, 1).y, START[3].y, 1e-15);
}

// Amplitude 0 puts the wave on the curve; a negative one mirrors it across the curve.
TEST(WavePoint, AmplitudeZeroAndNegative) {
    const WaveShape flat{10.0, 0.0, START_WAVE.pi};
    const WaveShape mirrored{10.0, -0.1, START_WAVE.pi};
    for (double t : {0.05, 0.25, 0.61}) {
        const Point2d b = bezierPoint(START, t);
        EXPECT_EQ(wavePoint(START, flat, t).x, b.x);
        EXPECT_EQ(wavePoint(START, flat, t).y, b.y);
        const Point2d w = wavePoint(START, START_WAVE, t);
        const Point2d m = wavePoint(START, mirrored, t);
        EXPECT_NEAR(w.x - b.x, b.x - m.x, 1e-15);
        EXPECT_NEAR(w.y - b.y, b.y - m.y, 1e-15);
    }
}

// Degenerate control points: a vanishing derivative warns once and gives the sentinel; a tiny
// but non-zero one is a direction like any other, with a normal wave point (at t = 0 exactly P0)
// and no warning. Elsewhere nothing is printed; the quiet version prints nothing at all.
TEST(WavePoint, VanishingDerivativeWarnsAndGivesSentinel) {
    struct Case {
        const char* name;
        ControlPoints points;
        double t;
        const char* shown;  // nullptr: no warning
        Point2d expected;
    };
    const Case cases[] = {
        {"P0 = P1 at t = 0", {{{-0.3, 0.0}, {-0.3, 0.0}, {0.1, 0.4}, {0.3, 0.0}}}, 0.0, "0.000", NO_INTERSECTION},
        {"P2 = P3 at t = 1", {{{-0.3, 0.0}, {-0.1, 0.4}, {0.3, 0.0}, {0.3, 0.0}}}, 1.0, "1.000", NO_INTERSECTION},
        {"all equal at t = 0.25", {{{0.5, 0.5}, {0.5, 0.5}, {0.5, 0.5}, {0.5, 0.5}}}, 0.25, "0.250", NO_INTERSECTION},
        {"P1 = P0 + (1e-12, 0) at t = 0", {{{-0.3, 0.0}, {-0.3 + 1e-12, 0.0}, {0.1, 0.4}, {0.3, 0.0}}}, 0.0, nullptr,
         {-0.3, 0.0}},
    };
    for (const Case& c : cases) {
        Point2d w{};
        EXPECT_EQ(printedBy([&] { w = wavePoint(c.points, START_WAVE, c.t); }), c.shown ? warningAt(c.shown) : "")
            << c.name;
        EXPECT_EQ(w.x, c.expected.x) << c.name;
        EXPECT_EQ(w.y, c.expected.y) << c.name;
        // The quiet version tells instead of printing, with the same point.
        bool noDirection = false;
        EXPECT_EQ(printedBy([&] {
                      w = quietWavePointOnCurve(c.points, START_WAVE, c.t, bezierPoint(c.points, c.t), noDirection);
                  }),
                  "")
            << c.name;
        EXPECT_EQ(noDirection, c.shown != nullptr) << c.name;
        EXPECT_EQ(w.x, c.expected.x) << c.name;
    }
    // With P0 = P1 the derivative vanishes only at the start.
    const ControlPoints p0IsP1{{{-0.3, 0.0}, {-0.3, 0.0}, {0.1, 0.4}, {0.3, 0.0}}};
    EXPECT_EQ(printedBy([&] { wavePoint(p0IsP1, START_WAVE, 0.5); }), "");
}

// A NaN length is not a zero length: no warning, and the NaN goes on into the point.
TEST(WavePoint, NotANumberDerivativeIsNoWarning) {
    const ControlPoints withNaN{{{-0.3, 0.0}, {std::nan(""), 0.4}, {0.1, 0.4}, {0.3, 0.0}}};
    Point2d w{};
    EXPECT_EQ(printedBy([&] { w = wavePoint(withNaN, START_WAVE, 0.5); }), "");
    EXPECT_TRUE(std::isnan(w.x));
}
