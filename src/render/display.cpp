// display.cpp: the frame's passes: Bézier curve, control polygon, wave curve, then the markers.
#include "render/display.h"

#include <GL/freeglut.h>
#include <fcntl.h>
#include <unistd.h>

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

void flushStandardOutput() {
    endFrameOutput(stdout);
}

FrameOutputEnd frameOutputEnd = flushStandardOutput;

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
    // Once a frame, after all of it: a frame may print hundreds of lines.
    frameOutputEnd();
}

FrameOutputEnd setFrameOutputEnd(FrameOutputEnd end) {
    const FrameOutputEnd replaced = frameOutputEnd;
    frameOutputEnd = end;
    return replaced;
}

bool endFrameOutput(std::FILE* stream) {
    // A signal's end would lose what is buffered, hence now rather than at the program's end.
    if (std::fflush(stream) == 0 && !std::ferror(stream)) return true;
    // Its reader is gone: what follows goes to /dev/null, and the flush below empties the buffer
    // there. The page has no file system, nor an output that fails. With the stream's file closed,
    // /dev/null may open in its place.
#ifndef __EMSCRIPTEN__
    const int nowhere = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (nowhere >= 0 && nowhere != fileno(stream)) {
        dup2(nowhere, fileno(stream));
        close(nowhere);
    }
#endif
    std::fflush(stream);
    std::clearerr(stream);
    return false;
}
