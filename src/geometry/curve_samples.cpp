// curve_samples.cpp: the sample loop of the Bézier and wave passes, reusing every point it may reuse exactly.
#include "geometry/curve_samples.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

std::size_t sampleCount(const SampleLoop& loop) {
    const int count = static_cast<int>(loop.segmentCount);
    return count > 0 ? static_cast<std::size_t>(count) : 0;
}

double sampleEnd(const SampleLoop& loop, std::size_t k) {
    return static_cast<int>(k) / loop.segmentCount;
}

// The same 64 bits: the points computed from the two values are then the same too. A start u
// usually equals the previous sample's end t (always at 512 steps) but not always (at 100
// steps, 82 of 99), and 0.0 and -0.0 differ, so == would not do.
bool sameBits(double a, double b) {
    std::uint64_t bitsA;
    std::uint64_t bitsB;
    std::memcpy(&bitsA, &a, sizeof a);
    std::memcpy(&bitsB, &b, sizeof b);
    return bitsA == bitsB;
}

bool isNoIntersection(const Point2d& p) {
    return sameBits(p.x, NO_INTERSECTION.x) && sameBits(p.y, NO_INTERSECTION.y);
}

}  // namespace

void sampleBezierCurve(const ControlPoints& p, const SampleLoop& loop, std::vector<Point2d>& pairs) {
    const std::size_t count = sampleCount(loop);
    pairs.resize(2 * count);
    for (std::size_t k = 1; k <= count; ++k) {
        const double t = sampleEnd(loop, k);
        const double u = t - loop.parameterStep;
        const bool startIsPreviousEnd = k > 1 && sameBits(u, sampleEnd(loop, k - 1));
        pairs[2 * k - 2] = startIsPreviousEnd ? pairs[2 * k - 3] : bezierPoint(p, u);
        pairs[2 * k - 1] = bezierPoint(p, t);
    }
}

namespace {

// The wave pass's loop, with wavePointAt(t, curvePoint) giving each wave point.
template <class WavePointAt>
void sampleWave(const SampleLoop& loop, const std::vector<Point2d>& curvePairs, std::vector<Point2d>& pairs,
                WavePointAt wavePointAt) {
    const std::size_t count = sampleCount(loop);
    pairs.resize(2 * count);
    for (std::size_t k = 1; k <= count; ++k) {
        const double t = sampleEnd(loop, k);
        const double u = t - loop.parameterStep;
        // A previous (100, 100) is computed again: it may stand for a vanished derivative,
        // whose warning line has to be printed for u as well.
        const bool reuse = k > 1 && sameBits(u, sampleEnd(loop, k - 1)) && !isNoIntersection(pairs[2 * k - 3]);
        pairs[2 * k - 2] = reuse ? pairs[2 * k - 3] : wavePointAt(u, curvePairs[2 * k - 2]);
        pairs[2 * k - 1] = wavePointAt(t, curvePairs[2 * k - 1]);
    }
}

}  // namespace

void sampleWaveCurve(const ControlPoints& p, const WaveShape& wave, const SampleLoop& loop,
                     const std::vector<Point2d>& curvePairs, std::vector<Point2d>& pairs) {
    sampleWave(loop, curvePairs, pairs,
               [&](double t, const Point2d& curvePoint) { return wavePointOnCurve(p, wave, t, curvePoint); });
}

void sampleWaveCurveQuietly(const ControlPoints& p, const WaveShape& wave, const SampleLoop& loop,
                            const std::vector<Point2d>& curvePairs, std::vector<Point2d>& pairs,
                            std::vector<double>& directionless) {
    sampleWave(loop, curvePairs, pairs, [&](double t, const Point2d& curvePoint) {
        bool noDirection = false;
        const Point2d w = quietWavePointOnCurve(p, wave, t, curvePoint, noDirection);
        if (noDirection) directionless.push_back(t);
        return w;
    });
}

void wavePolylineOf(const std::vector<Point2d>& wavePairs, std::vector<Point2d>& polyline) {
    polyline.clear();
    for (std::size_t k = 0; k < wavePairs.size(); k += 2) polyline.push_back(wavePairs[k]);
    if (!wavePairs.empty()) polyline.push_back(wavePairs.back());
}
