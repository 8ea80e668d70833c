// display.cpp: the frame's passes: Bézier curve, control polygon, wave curve, then the markers.
#include "render/display.h"

#include <GL/freeglut.h>

#include "app/scene_state.h"
#include "render/markers.h"

void emitVertex(const Point2d& p, double zoom) {
    glVertex2f(static_cast<float>(p.x * zoom), static_cast<float>(p.y * zoom));
}

namespace {

// Both sampled passes cut 0..1 into segmentCount steps; sample k runs from
// u = t - parameterStep to t = k / segmentCount, so the last one ends at exactly 1.
int sampleCount() {
    return static_cast<int>(scene.segmentCount);
}

double sampleEnd(int k) {
    return k / scene.segmentCount;
}

void drawBezierCurve() {
    glLineWidth(2);
    glColor3f(0, 1, 0);
    glBegin(GL_LINES);
    for (int k = 1; k <= sampleCount(); ++k) {
        const double t = sampleEnd(k);
        const double u = t - scene.parameterStep;
        emitVertex(bezierPoint(scene.controlPoints, u), scene.zoom);
        emitVertex(bezierPoint(scene.controlPoints, t), scene.zoom);
    }
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

// Draws the wave curve and leaves its vertices in wavePolyline for the marker pass.
void drawWaveCurve() {
    const WaveShape wave = sceneWave();
    glColor3f(1, 1, 0);
    glLineWidth(2);
    glBegin(GL_LINES);
    // clear() keeps the capacity: after the first frame at this resolution nothing is allocated.
    scene.wavePolyline.clear();
    const int samples = sampleCount();
    for (int k = 1; k <= samples; ++k) {
        const double t = sampleEnd(k);
        const double u = t - scene.parameterStep;
        const Point2d wu = wavePoint(scene.controlPoints, wave, u);
        const Point2d wt = wavePoint(scene.controlPoints, wave, t);
        emitVertex(wu, scene.zoom);
        emitVertex(wt, scene.zoom);
        scene.wavePolyline.push_back(wu);
        if (k == samples) scene.wavePolyline.push_back(wt);
    }
    glEnd();
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
}
