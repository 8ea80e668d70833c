// bezier.cpp: evaluation of the Bézier point, its derivative and the wave point.
#include "geometry/bezier.h"

#include <cmath>
#include <cstdio>

Point2d bezierPoint(const ControlPoints& p, double t) {
    // Each Bernstein weight is formed once and applied to x and to y: the same
    // expression, so both coordinates see bit-identical weights.
    const double w0 = std::pow(1 - t, 3);
    const double w1 = std::pow(1 - t, 2) * 3 * t;
    const double w2 = std::pow(t, 2) * (3 * (1 - t));
    const double w3 = std::pow(t, 3);
    return {w0 * p[0].x + w1 * p[1].x + w2 * p[2].x + w3 * p[3].x,
            w0 * p[0].y + w1 * p[1].y + w2 * p[2].y + w3 * p[3].y};
}

Point2d bezierDerivative(const ControlPoints& p, double t) {
    const double s = 1 - t;
    const double s2 = std::pow(s, 2);
    return {(p[1].x - p[0].x) * 3 * s2 + (p[2].x - p[1].x) * 6 * s * t + (p[3].x - p[2].x) * 3 * t * t,
            (p[1].y - p[0].y) * 3 * s2 + (p[2].y - p[1].y) * 6 * s * t + (p[3].y - p[2].y) * 3 * t * t};
}

namespace {

// The wave point at t, taking the curve point from curvePointAt() only once the derivative is
// known not to vanish. Where it vanishes, noDirection is set and the point is NO_INTERSECTION.
template <class CurvePointAt>
Point2d waveThrough(const ControlPoints& p, const WaveShape& wave, double t, CurvePointAt curvePointAt,
                    bool& noDirection) {
    const Point2d d = bezierDerivative(p, t);
    const double length = std::sqrt(d.y * d.y + d.x * d.x);
    // No direction, no normal: a point far outside the window. A NaN length is not 0 and goes on
    // through the formula.
    noDirection = length == 0;
    if (noDirection) return NO_INTERSECTION;
    const Point2d normal{-(d.y / length), d.x / length};
    const Point2d b = curvePointAt();
    const double s = std::sin(wave.pi * wave.count * t);
    return {normal.x * s * wave.amplitude + b.x, normal.y * s * wave.amplitude + b.y};
}

Point2d reported(const Point2d& wave, bool noDirection, double t) {
    if (noDirection) std::printf("warning : t = %.3f, derivative vector is (0,0)\n", t);
    return wave;
}

}  // namespace

Point2d wavePoint(const ControlPoints& p, const WaveShape& wave, double t) {
    bool noDirection = false;
    const Point2d w = waveThrough(p, wave, t, [&] { return bezierPoint(p, t); }, noDirection);
    return reported(w, noDirection, t);
}

Point2d wavePointOnCurve(const ControlPoints& p, const WaveShape& wave, double t, const Point2d& curvePoint) {
    bool noDirection = false;
    const Point2d w = quietWavePointOnCurve(p, wave, t, curvePoint, noDirection);
    return reported(w, noDirection, t);
}

Point2d quietWavePointOnCurve(const ControlPoints& p, const WaveShape& wave, double t, const Point2d& curvePoint,
                              bool& noDirection) {
    return waveThrough(p, wave, t, [&] { return curvePoint; }, noDirection);
}
