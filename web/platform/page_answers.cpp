// page_answers.cpp: the program's answers to the page, computed by the program's own rules: the
// pick, the vertex rule, the view's projection and the handlers themselves.
#include "platform/page_answers.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <cmath>
#include <cstdio>
#include <utility>

#include "app/scene_state.h"
#include "geometry/marker_points.h"
#include "input/keyboard.h"
#include "input/mouse.h"
#include "render/vertex.h"

namespace {

// freeglut numbers the X buttons past the third from 3: the wheel's four directions, then the back
// and forward side buttons. The page hands its wheel and side buttons over as these.
constexpr int WHEEL_UP_BUTTON = 3;
constexpr int BACK_BUTTON = 7;

// The window's size, from the viewport the frame is drawn in.
void windowSize(int& width, int& height) {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    width = viewport[2];
    height = viewport[3];
}

std::string cornerName(int k) {
    return {'P', static_cast<char>('0' + k)};
}

StepAnswer refused(std::string sentence) {
    StepAnswer answer;
    answer.refusal = std::move(sentence);
    return answer;
}

// A press, one motion and a release of `button`, from (x, y) by (dx, dy).
StepAnswer drag(int button, int x, int y, int dx, int dy) {
    onMouse(button, GLUT_DOWN, x, y);
    onMotion(x + dx, y + dy);
    onMouse(button, GLUT_UP, x + dx, y + dy);
    StepAnswer answer;
    answer.releaseX = x + dx;
    answer.releaseY = y + dy;
    return answer;
}

}  // namespace

std::string programFactsJson() {
    int width = 0;
    int height = 0;
    windowSize(width, height);
    char facts[1024];
    std::snprintf(facts, sizeof facts,
                  "{\"buttons\":{\"left\":%d,\"middle\":%d,\"right\":%d,\"wheelUp\":%d,\"wheelDown\":%d,"
                  "\"wheelLeft\":%d,\"wheelRight\":%d,\"back\":%d,\"forward\":%d},\"down\":%d,\"up\":%d,"
                  "\"specialKeys\":{\"F1\":%d,\"F2\":%d,\"F3\":%d,\"F4\":%d,\"F5\":%d,\"F6\":%d,\"F7\":%d,"
                  "\"F8\":%d,\"F9\":%d,\"F10\":%d,\"F11\":%d,\"F12\":%d,\"ArrowLeft\":%d,\"ArrowUp\":%d,"
                  "\"ArrowRight\":%d,\"ArrowDown\":%d},\"characterKeys\":\"%s\",\"fewestWaves\":%d,"
                  "\"mostWaves\":%d,\"fineSteps\":%.17g,\"zoomDrag\":{\"spot\":[%d,%d],\"stepPixels\":%.17g,"
                  "\"pixelsPerZoom\":%.17g,\"least\":%.17g,\"most\":%.17g}}",
                  GLUT_LEFT_BUTTON, GLUT_MIDDLE_BUTTON, GLUT_RIGHT_BUTTON, WHEEL_UP_BUTTON, WHEEL_UP_BUTTON + 1,
                  WHEEL_UP_BUTTON + 2, WHEEL_UP_BUTTON + 3, BACK_BUTTON, BACK_BUTTON + 1, GLUT_DOWN, GLUT_UP,
                  GLUT_KEY_F1, GLUT_KEY_F2, GLUT_KEY_F3, GLUT_KEY_F4, GLUT_KEY_F5, GLUT_KEY_F6, GLUT_KEY_F7,
                  GLUT_KEY_F8, GLUT_KEY_F9, GLUT_KEY_F10, GLUT_KEY_F11, GLUT_KEY_F12, GLUT_KEY_LEFT, GLUT_KEY_UP,
                  GLUT_KEY_RIGHT, GLUT_KEY_DOWN, PROGRAM_CHARACTER_KEYS,
                  // F1 to F12 set the half-waves to the key's number.
                  GLUT_KEY_F1, GLUT_KEY_F12, HIGH_RESOLUTION, width / 2, height / 2, ZOOM_DRAG_STEP_PIXELS,
                  ZOOM_DRAG_STEP_PIXELS / ZOOM_DRAG_STEP, ZOOM_MIN, ZOOM_MAX);
    return facts;
}

std::string sceneJson(int markerPoints) {
    const ControlPoints& p = scene.controlPoints;
    char json[768];
    std::snprintf(json, sizeof json,
                  "{\"waveCount\":%.17g,\"waveAmplitude\":%.17g,\"segmentCount\":%.17g,\"zoom\":%.17g,"
                  "\"controlPoints\":[%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g],\"selectedPoint\":%d,"
                  "\"zoomDragActive\":%s,\"lastMouse\":[%d,%d],\"zoomAnchorY\":%d,\"markerPoints\":%d}",
                  scene.waveCount, scene.waveAmplitude, scene.segmentCount, scene.zoom, p[0].x, p[0].y, p[1].x, p[1].y,
                  p[2].x, p[2].y, p[3].x, p[3].y, scene.selectedPoint, scene.zoomDragActive ? "true" : "false",
                  scene.lastMouseX, scene.lastMouseY, scene.zoomAnchorY, markerPoints);
    return json;
}

std::vector<float> drawnWave() {
    const std::vector<Point2d>& wave = scene.wavePolyline;
    std::vector<float> values{static_cast<float>(wave.size()), 0};
    const auto add = [&values](const Point2d& point) {
        const Vertex2f drawn = drawnVertex(point, scene.zoom);
        values.push_back(drawn.x);
        values.push_back(drawn.y);
    };
    for (const Point2d& point : wave) add(point);
    for (const MarkerPoint& marker : markerPoints(wave)) {
        add(marker.point);
        values.push_back(static_cast<float>(marker.earlierSegment));
        ++values[1];
    }
    return values;
}

Point2d drawnCornerPixel(int k) {
    GLdouble modelview[16];
    GLdouble projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    const Vertex2f drawn = drawnVertex(scene.controlPoints[k], scene.zoom);
    GLdouble x = 0, y = 0, z = 0;
    gluProject(drawn.x, drawn.y, 0.0, modelview, projection, viewport, &x, &y, &z);
    // Window y grows upwards from the bottom edge; the page's, as GLUT's, downwards from the top.
    return {x, viewport[3] - y};
}

std::string stepAnswerJson(const StepAnswer& answer) {
    // The refusals are the program's own sentences: no character in them needs escaping.
    char release[32];
    std::snprintf(release, sizeof release, "\",\"release\":[%d,%d]}", answer.releaseX, answer.releaseY);
    return "{\"refusal\":\"" + answer.refusal + release;
}

StepAnswer stepCorner(int k, int dx, int dy) {
    int width = 0;
    int height = 0;
    windowSize(width, height);
    // The nearest pixel, halves rounded up.
    const Point2d pixel = drawnCornerPixel(k);
    const double nearestX = std::floor(pixel.x + 0.5);
    const double nearestY = std::floor(pixel.y + 0.5);
    const std::string name = cornerName(k);
    if (!(nearestX >= 0 && nearestX < width && nearestY >= 0 && nearestY < height)) {
        return refused(name + " lies outside the drawing: move the curve or zoom out first");
    }
    const int x = static_cast<int>(nearestX);
    const int y = static_cast<int>(nearestY);
    // A corner is drawn within a pixel of the pixel pressed, well inside the picking radius: the
    // press picks it, or another corner drawn as near or nearer.
    const int picked = pointPickedAt(x, y);
    if (picked != k) {
        const std::string other = cornerName(picked);
        return refused(name + " lies on " + other + " here: drag it, or move " + other + " away first");
    }
    return drag(GLUT_LEFT_BUTTON, x, y, dx, dy);
}

StepAnswer stepZoom(int direction) {
    int width = 0;
    int height = 0;
    windowSize(width, height);
    return drag(GLUT_MIDDLE_BUTTON, width / 2, height / 2, 0,
                -direction * static_cast<int>(ZOOM_DRAG_STEP_PIXELS));
}
