// self_crossings_test.cpp: the fast crossing search against one intersectSegments call per pair, bit for bit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "app/scene_state.h"
#include "geometry/curve_samples.h"
#include "geometry/self_crossings.h"
#include "support/allocation_counter.h"
#include "support/reference_frame.h"

namespace {

std::vector<SegmentCrossing> fastSelfCrossings(const std::vector<Point2d>& points, SelfCrossingScratch& scratch) {
    std::vector<SegmentCrossing> crossings;
    forEachSelfCrossing(points, scratch,
                        [&](std::size_t j, std::size_t m, const Point2d& r) { crossings.push_back({j, m, r}); });
    return crossings;
}

// The same pairs in the same order with the same bits in every answer, NaNs included.
bool sameCrossings(const std::vector<SegmentCrossing>& a, const std::vector<SegmentCrossing>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (a[k].j != b[k].j || a[k].m != b[k].m) return false;
        if (std::memcmp(&a[k].point, &b[k].point, sizeof(Point2d)) != 0) return false;
    }
    return true;
}

std::vector<SideClassifier> availableClassifiers() {
    std::vector<SideClassifier> classifiers;
    for (SideClassifier c : {SideClassifier::Portable, SideClassifier::Avx2}) {
        if (classifierAvailable(c)) classifiers.push_back(c);
    }
    return classifiers;
}

// The wave polyline of a frame, as the wave pass leaves it.
std::vector<Point2d> wavePolylineOf(const ControlPoints& p, double waveCount, double amplitude, double steps) {
    std::vector<Point2d> pairs;
    referenceWaveSamples(p, {waveCount, amplitude, std::acos(-1.0)}, {steps, 1 / steps}, pairs);
    std::vector<Point2d> polyline;
    referenceWavePolyline(pairs, polyline);
    return polyline;
}

// Points that stress the straddle tests: repeated points, vertical and horizontal segments,
// the (100, 100) sentinel, magnitudes from 1e-300 to 1e150, a 1e-3 grid whose orientation
// values sit at the 1e-6 tolerance, NaN and infinities.
std::vector<Point2d> fuzzPolyline(std::mt19937_64& rng) {
    std::uniform_real_distribution<double> unit(-1, 1);
    std::uniform_int_distribution<int> exponent(-300, 150);
    std::uniform_int_distribution<int> gridStep(-4, 4);
    std::uniform_int_distribution<int> length(0, 150);
    std::uniform_int_distribution<int> percent(0, 99);
    const int scale = percent(rng) % 3;
    const double magnitude = std::pow(10.0, exponent(rng));
    auto coordinate = [&] {
        if (scale == 0) return unit(rng);
        if (scale == 1) return unit(rng) * magnitude;
        return gridStep(rng) * 1e-3;
    };
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<Point2d> points(static_cast<std::size_t>(length(rng)));
    for (std::size_t k = 0; k < points.size(); ++k) {
        Point2d p{coordinate(), coordinate()};
        const Point2d previous = k > 0 ? points[k - 1] : p;
        const int roll = percent(rng);
        if (roll < 8) p = previous;
        else if (roll < 16) p.x = previous.x;
        else if (roll < 24) p.y = previous.y;
        else if (roll < 27) p = NO_INTERSECTION;
        else if (roll < 28) p.x = std::nan("");
        else if (roll < 29) p.y = inf;
        else if (roll < 30) p.x = -inf;
        points[k] = p;
    }
    return points;
}

struct WaveCase {
    const char* name;
    ControlPoints points;
    double waveCount;
    double amplitude;
    double steps;
};

}  // namespace

// Frames the program draws: start-up, crossing swings and random curves, at both resolutions.
TEST(SelfCrossings, MatchAllPairsOnWaveCurves) {
    std::vector<WaveCase> cases{
        {"start-up, 100 steps", START_CONTROL_POINTS, 10, 0.1, 100},
        {"start-up, 512 steps", START_CONTROL_POINTS, 10, 0.1, 512},
        {"12 half-waves of 0.3, 100 steps", START_CONTROL_POINTS, 12, 0.3, 100},
        {"12 half-waves of 0.3, 512 steps", START_CONTROL_POINTS, 12, 0.3, 512},
    };
    std::mt19937_64 rng(6);
    std::uniform_real_distribution<double> coordinate(-0.8, 0.8);
    std::uniform_int_distribution<int> halfWaves(1, 12);
    std::uniform_real_distribution<double> amplitude(-0.5, 0.5);
    for (int k = 0; k < 8; ++k) {
        ControlPoints p;
        for (Point2d& point : p) point = {coordinate(rng), coordinate(rng)};
        cases.push_back({"random control points", p, double(halfWaves(rng)), amplitude(rng), k % 2 ? 512.0 : 100.0});
    }
    for (SideClassifier classifier : availableClassifiers()) {
        SelfCrossingScratch scratch;
        scratch.classifier = classifier;
        for (const WaveCase& c : cases) {
            const std::vector<Point2d> polyline = wavePolylineOf(c.points, c.waveCount, c.amplitude, c.steps);
            EXPECT_TRUE(sameCrossings(fastSelfCrossings(polyline, scratch), referenceSelfCrossings(polyline)))
                << c.name << ", classifier " << static_cast<int>(classifier);
        }
    }
}

// Thousands of seeded polylines of 0 to 150 points, exact and degenerate cases mixed in.
TEST(SelfCrossings, MatchAllPairsOnFuzzedPolylines) {
    for (SideClassifier classifier : availableClassifiers()) {
        SelfCrossingScratch scratch;
        scratch.classifier = classifier;
        std::mt19937_64 rng(20240601);
        std::size_t crossings = 0, nanAnswers = 0;
        for (int polyline = 0; polyline < 3000; ++polyline) {
            const std::vector<Point2d> points = fuzzPolyline(rng);
            const std::vector<SegmentCrossing> expected = referenceSelfCrossings(points);
            ASSERT_TRUE(sameCrossings(fastSelfCrossings(points, scratch), expected))
                << "polyline " << polyline << ", classifier " << static_cast<int>(classifier);
            crossings += expected.size();
            for (const SegmentCrossing& c : expected) nanAnswers += std::isnan(c.point.x) ? 1 : 0;
        }
        // The fuzz reaches real crossings and the NaN answers of non-finite points.
        EXPECT_GT(crossings, 1000u);
        EXPECT_GT(nanAnswers, 0u);
    }
}

// Once sized for a polyline length, the crossing search and the sample loops allocate nothing.
TEST(SelfCrossings, AllocateNothingOnceSized) {
    const std::vector<Point2d> polyline = wavePolylineOf(START_CONTROL_POINTS, 12, 0.3, 512);
    const SampleLoop loop{512, 1.0 / 512};
    const WaveShape wave{12, 0.3, std::acos(-1.0)};
    SelfCrossingScratch scratch;
    std::vector<Point2d> curve, waves;
    std::size_t found = 0;
    auto frame = [&] {
        sampleBezierCurve(START_CONTROL_POINTS, loop, curve);
        sampleWaveCurve(START_CONTROL_POINTS, wave, loop, curve, waves);
        forEachSelfCrossing(polyline, scratch, [&](std::size_t, std::size_t, const Point2d&) { ++found; });
    };
    frame();
    const std::size_t before = allocationCount();
    frame();
    EXPECT_EQ(allocationCount(), before);
    EXPECT_GT(found, 0u);
}
