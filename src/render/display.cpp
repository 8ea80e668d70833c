// display.cpp: the frame's passes: Bézier curve, control polygon, wave curve, then the markers.
#include "render/display.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <vector>

#include "app/scene_state.h"
#include "geometry/curve_samples.h"
#include "render/markers.h"
#include "render/vertex.h"

namespace {

// This frame's curve and wave points in drawing order; the storage lives on, so after the
// first frame at a resolution nothing is allocated.
std::vector<Point2d> curveSamples;
std::vector<Point2d> waveSamples;

SampleLoop sceneSampleLoop() {
    return {scene.segmentCount, scene.parameterStep};
}

void drawBezierCurve() {
    sampleBezierCurve(scene.controlPoints, sceneSampleLoop(), curveSamples);
    glLineWidth(2);
    glColor3f(0, 1, 0);
    glBegin(GL_LINES);
    for (const Point2d& point : curveSamples) emitVertex(point, scene.zoom);
    glEnd();
}

void drawControlPolygon() {
    const ControlPoints& p = scene.controlPoints;
    glColor3f(0, 0, 1);
    glBegin(GL_LINES);
    for (int k = 0; k < 3; ++k) {
        emitVertex(p[k], scene.zoom);
        emitVertex(p[k + 1], scene.zoom);
    }
    glEnd();
}

// Draws the wave curve and leaves its vertices in wavePolyline for the marker pass. It takes
// the curve points from drawBezierCurve, drawn just before with the same scene.
void drawWaveCurve() {
    sampleWaveCurve(scene.controlPoints, sceneWave(), sceneSampleLoop(), curveSamples, waveSamples);
    glColor3f(1, 1, 0);
    glLineWidth(2);
    glBegin(GL_LINES);
    for (const Point2d& point : waveSamples) emitVertex(point, scene.zoom);
    glEnd();
    wavePolylineOf(waveSamples, scene.wavePolyline);
}

}  // namespace

void display() {
    scene.parameterStep = 1 / scene.segmentCount;
    glClear(GL_COLOR_BUFFER_BIT);
    drawBezierCurve();
    drawControlPolygon();
    drawWaveCurve();
    drawIntersectionMarkers();
    glutSwapBuffers();
    // The frame's "warning :" lines reach a file or a pipe now, not when a buffer fills or the
    // program ends (a signal's end loses what is buffered). Once a frame, as a frame may print hundreds.
    std::fflush(stdout);
}
