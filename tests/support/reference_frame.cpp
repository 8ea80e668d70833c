// reference_frame.cpp: the frame computed the plain way: every point afresh, every segment pair by intersectSegments.
#include "support/reference_frame.h"

#include <GL/freeglut.h>

#include "app/scene_state.h"
#include "render/vertex.h"

namespace {

bool isNoIntersection(const Point2d& r) {
    return r.x == NO_INTERSECTION.x && r.y == NO_INTERSECTION.y;
}

// Sample k of the loop runs from u = t - parameterStep to t = k / segmentCount.
template <class PointAt>
void referenceSamples(const SampleLoop& loop, std::vector<Point2d>& pairs, PointAt pointAt) {
    pairs.clear();
    for (int k = 1; k <= static_cast<int>(loop.segmentCount); ++k) {
        const double t = k / loop.segmentCount;
        const double u = t - loop.parameterStep;
        pairs.push_back(pointAt(u));
        pairs.push_back(pointAt(t));
    }
}

void emitAll(const std::vector<Point2d>& points) {
    for (const Point2d& p : points) emitVertex(p, scene.zoom);
}

}  // namespace

std::vector<SegmentCrossing> referenceSelfCrossings(const std::vector<Point2d>& points) {
    std::vector<SegmentCrossing> crossings;
    forEachSegmentPair(points, [&](std::size_t j, std::size_t m, const Point2d& r) {
        if (!isNoIntersection(r)) crossings.push_back({j, m, r});
    });
    return crossings;
}

void referenceBezierSamples(const ControlPoints& p, const SampleLoop& loop, std::vector<Point2d>& pairs) {
    referenceSamples(loop, pairs, [&](double t) { return bezierPoint(p, t); });
}

void referenceWaveSamples(const ControlPoints& p, const WaveShape& wave, const SampleLoop& loop,
                          std::vector<Point2d>& pairs) {
    referenceSamples(loop, pairs, [&](double t) { return wavePoint(p, wave, t); });
}

void referenceWavePolyline(const std::vector<Point2d>& wavePairs, std::vector<Point2d>& polyline) {
    polyline.clear();
    for (std::size_t k = 0; k < wavePairs.size(); k += 2) polyline.push_back(wavePairs[k]);
    if (!wavePairs.empty()) polyline.push_back(wavePairs.back());
}

void referenceMarkerPass() {
    glColor3f(1, 0, 1);
    glPointSize(3);
    glBegin(GL_POINTS);
    forEachSegmentPair(scene.wavePolyline, [](std::size_t, std::size_t, const Point2d& r) {
        if (!(r.x > 10)) emitVertex(r, scene.zoom);
    });
    glEnd();
}

void referenceDisplay() {
    // Kept between frames so that timing a frame does not time its allocations.
    static std::vector<Point2d> curvePairs;
    static std::vector<Point2d> wavePairs;
    scene.parameterStep = 1 / scene.segmentCount;
    const SampleLoop loop{scene.segmentCount, scene.parameterStep};
    glClear(GL_COLOR_BUFFER_BIT);

    glLineWidth(2);
    glColor3f(0, 1, 0);
    glBegin(GL_LINES);
    referenceBezierSamples(scene.controlPoints, loop, curvePairs);
    emitAll(curvePairs);
    glEnd();

    glColor3f(0, 0, 1);
    glBegin(GL_LINES);
    for (int k = 0; k < 3; ++k) {
        emitVertex(scene.controlPoints[k], scene.zoom);
        emitVertex(scene.controlPoints[k + 1], scene.zoom);
    }
    glEnd();

    glColor3f(1, 1, 0);
    glLineWidth(2);
    glBegin(GL_LINES);
    referenceWaveSamples(scene.controlPoints, sceneWave(), loop, wavePairs);
    emitAll(wavePairs);
    glEnd();
    referenceWavePolyline(wavePairs, scene.wavePolyline);

    referenceMarkerPass();
    glutSwapBuffers();
}
