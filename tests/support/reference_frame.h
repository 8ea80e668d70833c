// reference_frame.h: the straightforward frame, kept to prove the fast one identical and to time it against.
#pragma once

#include <cstddef>
#include <vector>

#include "geometry/bezier.h"
#include "geometry/curve_samples.h"
#include "geometry/intersect.h"
#include "geometry/point2d.h"

// One crossing as forEachSelfCrossing reports it: segments j < m and intersectSegments' answer.
struct SegmentCrossing {
    std::size_t j;
    std::size_t m;
    Point2d point;
};

// visit(j, m, answer) with intersectSegments' answer, NO_INTERSECTION included, for every pair
// of non-neighbouring segments j < m, one call each, earlier segment first.
template <class Visit>
void forEachSegmentPair(const std::vector<Point2d>& p, Visit&& visit) {
    for (std::size_t i = 1; i + 1 < p.size(); ++i) {
        for (std::size_t m = i + 1; m + 1 < p.size(); ++m) visit(i - 1, m, intersectSegments(p[i - 1], p[i], p[m], p[m + 1]));
    }
}

// Every answer of forEachSegmentPair that is not NO_INTERSECTION.
std::vector<SegmentCrossing> referenceSelfCrossings(const std::vector<Point2d>& points);

// bezierPoint at u and at t of every sample, each evaluated afresh.
void referenceBezierSamples(const ControlPoints& p, const SampleLoop& loop, std::vector<Point2d>& pairs);

// wavePoint at u and at t of every sample, each evaluated afresh.
void referenceWaveSamples(const ControlPoints& p, const WaveShape& wave, const SampleLoop& loop,
                          std::vector<Point2d>& pairs);

// The wave polyline of a frame from its wave pairs: the start of every pair, then the last end.
void referenceWavePolyline(const std::vector<Point2d>& wavePairs, std::vector<Point2d>& polyline);

// The marker pass on scene.wavePolyline: intersectSegments called for every pair, in order.
void referenceMarkerPass();

// The whole frame from the scene, as display draws it, with nothing shared or reused: the same
// GL calls with the same arguments, the same wavePolyline and the same warning lines.
void referenceDisplay();
