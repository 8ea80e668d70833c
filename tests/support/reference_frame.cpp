// reference_frame.cpp: the frame computed the plain way: every point afresh, every segment pair by intersectSegments.
#include "support/reference_frame.h"

#include <GL/freeglut.h>

#include "app/scene_state.h"
#include "geometry/intersect.h"
#include "render/display.h"

std::vector<SegmentCrossing> referenceSelfCrossings(const std::vector<Point2d>& p) {
    std::vector<SegmentCrossing> crossings;
    for (std::size_t i = 1; i + 1 < p.size(); ++i) {
        for (std::size_t m = i + 1; m + 1 < p.size(); ++m) {
            const Point2d r = intersectSegments(p[i - 1], p[i], p[m], p[m + 1]);
            if (r.x == NO_INTERSECTION.x && r.y == NO_INTERSECTION.y) continue;
            crossings.push_back({i - 1, m, r});
        }
    }
    return crossings;
}

void referenceBezierSamples(const ControlPoints& p, const SampleLoop& loop, std::vector<Point2d>& pairs) {
    pairs.clear();
    for (int k = 1; k <= static_cast<int>(loop.segmentCount); ++k) {
        const double t = k / loop.segmentCount;
        const double u = t - loop.parameterStep;
        pairs.push_back(bezierPoint(p, u));
        pairs.push_back(bezierPoint(p, t));
    }
}

void referenceWaveSamples(const ControlPoints& p, const WaveShape& wave, const SampleLoop& loop,
                          std::vector<Point2d>& pairs) {
    pairs.clear();
    for (int k = 1; k <= static_cast<int>(loop.segmentCount); ++k) {
        const double t = k / loop.segmentCount;
        const double u = t - loop.parameterStep;
        pairs.push_back(wavePoint(p, wave, u));
        pairs.push_back(wavePoint(p, wave, t));
    }
}

void referenceMarkerPass() {
    const std::vector<Point2d>& p = scene.wavePolyline;
    glColor3f(1, 0, 1);
    glPointSize(3);
    glBegin(GL_POINTS);
    for (std::size_t i = 1; i + 1 < p.size(); ++i) {
        for (std::size_t m = i + 1; m + 1 < p.size(); ++m) {
            const Point2d r = intersectSegments(p[i - 1], p[i], p[m], p[m + 1]);
            if (!(r.x > 10)) emitVertex(r, scene.zoom);
        }
    }
    glEnd();
}

void referenceDisplay() {
    scene.parameterStep = 1 / scene.segmentCount;
    glClear(GL_COLOR_BUFFER_BIT);

    glLineWidth(2);
    glColor3f(0, 1, 0);
    glBegin(GL_LINES);
    for (int k = 1; k <= static_cast<int>(scene.segmentCount); ++k) {
        const double t = k / scene.segmentCount;
        const double u = t - scene.parameterStep;
        emitVertex(bezierPoint(scene.controlPoints, u), scene.zoom);
        emitVertex(bezierPoint(scene.controlPoints, t), scene.zoom);
    }
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
    scene.wavePolyline.clear();
    const int samples = static_cast<int>(scene.segmentCount);
    for (int k = 1; k <= samples; ++k) {
        const double t = k / scene.segmentCount;
        const double u = t - scene.parameterStep;
        const Point2d wu = wavePoint(scene.controlPoints, sceneWave(), u);
        const Point2d wt = wavePoint(scene.controlPoints, sceneWave(), t);
        emitVertex(wu, scene.zoom);
        emitVertex(wt, scene.zoom);
        scene.wavePolyline.push_back(wu);
        if (k == samples) scene.wavePolyline.push_back(wt);
    }
    glEnd();

    referenceMarkerPass();
    glutSwapBuffers();
}
