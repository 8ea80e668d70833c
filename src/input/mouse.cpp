// mouse.cpp: pointer picking, point dragging and zoom dragging over the scene state.
#include "input/mouse.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include "app/scene_state.h"

namespace {

// Squared distance in OpenGL units within which a press picks a point (about 12.6 px).
constexpr double PICK_RADIUS_SQUARED = 0.001;

// The transformation between window and OpenGL coordinates, read afresh on every use.
struct View {
    GLdouble modelview[16];
    GLdouble projection[16];
    GLint viewport[4];
};

View readView() {
    View v;
    glGetDoublev(GL_MODELVIEW_MATRIX, v.modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, v.projection);
    glGetIntegerv(GL_VIEWPORT, v.viewport);
    return v;
}

Point2d unproject(const View& v, double winX, double winY) {
    GLdouble x = 0, y = 0, z = 0;
    gluUnProject(winX, winY, 0.0, v.modelview, v.projection, v.viewport, &x, &y, &z);
    return {x, y};
}

Point2d project(const View& v, const Point2d& p) {
    GLdouble x = 0, y = 0, z = 0;
    gluProject(p.x, p.y, 0.0, v.modelview, v.projection, v.viewport, &x, &y, &z);
    return {x, y};
}

// The control point nearest the pointer where the points are drawn, if within reach; -1 otherwise.
int pointNearest(const View& view, int x, int y) {
    // Window y grows upwards from the bottom edge; GLUT's grows downwards from the top.
    const int windowY = view.viewport[3] - y;
    const Point2d pointer = unproject(view, x, windowY);
    // Control points are compared where they are drawn, at P * zoom.
    double bestDistance = 1e9;
    int bestIndex = -1;
    for (int k = 0; k < 4; ++k) {
        const Point2d& p = scene.controlPoints[k];
        const double dx = pointer.x - p.x * scene.zoom;
        const double dy = pointer.y - p.y * scene.zoom;
        const double d = dx * dx + dy * dy;
        if (d < bestDistance) {
            bestDistance = d;
            bestIndex = k;
        }
    }
    return bestDistance < PICK_RADIUS_SQUARED ? bestIndex : -1;
}

void pickControlPoint(int x, int y) {
    scene.lastMouseX = x;
    scene.lastMouseY = y;
    const int picked = pointNearest(readView(), x, y);
    if (picked >= 0) scene.selectedPoint = picked;
}

// Moves the picked point so that its drawn position follows the pointer pixel for pixel.
void dragSelectedPoint(int x, int y) {
    const View view = readView();
    const int dx = x - scene.lastMouseX;
    const int dy = y - scene.lastMouseY;
    Point2d& p = scene.controlPoints[scene.selectedPoint];
    const Point2d window = project(view, p);
    p = unproject(view, window.x + dx / scene.zoom, window.y - dy / scene.zoom);
    scene.lastMouseX = x;
    scene.lastMouseY = y;
}

// Moving up by ZOOM_DRAG_STEP_PIXELS adds ZOOM_DRAG_STEP to the zoom, moving down takes it away.
void dragZoom(int y) {
    const int delta = y - scene.zoomAnchorY;
    scene.zoomAnchorY = y;
    const double zoom = scene.zoom - (delta * ZOOM_DRAG_STEP) / ZOOM_DRAG_STEP_PIXELS;
    if (delta < 0) {
        scene.zoom = zoom > ZOOM_MAX ? ZOOM_MAX : zoom;
    } else {
        scene.zoom = zoom < ZOOM_MIN ? ZOOM_MIN : zoom;
    }
}

}  // namespace

int pointPickedAt(int x, int y) {
    return pointNearest(readView(), x, y);
}

void onMouse(int button, int state, int x, int y) {
    const bool pressed = state == GLUT_DOWN;
    if (button == GLUT_LEFT_BUTTON) {
        // A press that reaches no point keeps the current selection.
        if (pressed) {
            pickControlPoint(x, y);
        } else {
            scene.selectedPoint = -1;
        }
    } else if (pressed) {
        scene.zoomAnchorY = y;
        scene.zoomDragActive = true;
    } else {
        scene.zoomDragActive = false;
    }
    glutPostRedisplay();
}

void onMotion(int x, int y) {
    // The point moves first, with the zoom from before this event.
    if (scene.selectedPoint >= 0) dragSelectedPoint(x, y);
    if (scene.zoomDragActive) dragZoom(y);
    glutPostRedisplay();
}
