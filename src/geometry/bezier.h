// bezier.h: the cubic Bézier curve, its derivative and the wave curve that swings along its normal.
#pragma once

#include <array>

#include "geometry/point2d.h"

// P0..P3 of the cubic Bézier curve.
using ControlPoints = std::array<Point2d, 4>;

// What shapes the wave curve besides the control points.
struct WaveShape {
    double count;      // half-waves along the whole curve
    double amplitude;  // swing off the curve at the sine's peaks, in curve units
    double pi;
};

// B(t) in Bernstein form.
Point2d bezierPoint(const ControlPoints& p, double t);

// dB/dt.
Point2d bezierDerivative(const ControlPoints& p, double t);

// B(t) moved along the unit normal by amplitude * sin(pi * count * t). Where the
// derivative has length 0 it prints a warning line to stdout and gives NO_INTERSECTION.
Point2d wavePoint(const ControlPoints& p, const WaveShape& wave, double t);

// wavePoint(p, wave, t) for a caller that already holds curvePoint = bezierPoint(p, t): the same
// point to the bit and the same warning line, without evaluating the curve again.
Point2d wavePointOnCurve(const ControlPoints& p, const WaveShape& wave, double t, const Point2d& curvePoint);

// wavePointOnCurve without the warning line: noDirection tells whether the derivative's length is 0
// there (a derivative whose squares underflow included), where wavePointOnCurve would print it.
Point2d quietWavePointOnCurve(const ControlPoints& p, const WaveShape& wave, double t, const Point2d& curvePoint,
                              bool& noDirection);
