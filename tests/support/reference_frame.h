// reference_frame.h: the straightforward frame, kept to prove the fast one identical and to time it against.
#pragma once

#include <cstddef>
#include <vector>

#include "geometry/bezier.h"
#include "geometry/curve_samples.h"
#include "geometry/point2d.h"

// One crossing as forEachSelfCrossing reports it: segments j < m and intersectSegments' answer.
struct SegmentCrossing {
    std::size_t j;
    std::size_t m;
    Point2d point;
};

// intersectSegments on every pair of non-neighbouring segments, one call each, earlier segment
// first; every answer that is not NO_INTERSECTION.
std::vector<SegmentCrossing> referenceSelfCrossings(const std::vector<Point2d>& points);

// bezierPoint at u and at t of every sample, each evaluated afresh.
void referenceBezierSamples(const ControlPoints& p, const SampleLoop& loop, std::vector<Point2d>& pairs);

// wavePoint at u and at t of every sample, each evaluated afresh.
void referenceWaveSamples(const ControlPoints& p, const WaveShape& wave, const SampleLoop& loop,
                          std::vector<Point2d>& pairs);

// The marker pass on scene.wavePolyline: intersectSegments called for every pair, in order.
void referenceMarkerPass();

// The whole frame from the scene, as display draws it, with nothing shared or reused: the same
// GL calls with the same arguments, the same wavePolyline and the same warning lines.
void referenceDisplay();
