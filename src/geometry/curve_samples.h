// curve_samples.h: the points of the frame's two sampled curves, each distinct parameter evaluated once.
#pragma once

#include <vector>

#include "geometry/bezier.h"
#include "geometry/point2d.h"

// The frame's sample loop: sample k = 1 .. int(segmentCount) runs from the start parameter
// u = k / segmentCount - parameterStep to the end parameter t = k / segmentCount.
struct SampleLoop {
    double segmentCount;
    double parameterStep;
};

// bezierPoint at u and at t of every sample, in drawing order: 2 points per sample.
void sampleBezierCurve(const ControlPoints& p, const SampleLoop& loop, std::vector<Point2d>& pairs);

// wavePoint at u and at t of every sample, in drawing order, with the warning lines that
// calling wavePoint for each would print, in the same order. curvePairs must hold what
// sampleBezierCurve gave for the same control points and loop.
void sampleWaveCurve(const ControlPoints& p, const WaveShape& wave, const SampleLoop& loop,
                     const std::vector<Point2d>& curvePairs, std::vector<Point2d>& pairs);

// sampleWaveCurve without the warning lines: the parameter each line would name is appended to
// directionless instead, in the same order.
void sampleWaveCurveQuietly(const ControlPoints& p, const WaveShape& wave, const SampleLoop& loop,
                            const std::vector<Point2d>& curvePairs, std::vector<Point2d>& pairs,
                            std::vector<double>& directionless);

// The wave polyline the marker pass searches: the start of every sample of wavePairs (as
// sampleWaveCurve gives them), then the end of the last. clear() keeps polyline's capacity.
void wavePolylineOf(const std::vector<Point2d>& wavePairs, std::vector<Point2d>& polyline);
