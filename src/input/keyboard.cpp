// keyboard.cpp: key commands over the scene state; unbound keys only redraw.
#include "input/keyboard.h"

#include <GL/freeglut.h>

#include "app/scene_state.h"

namespace {

// Arrow step, in curve units.
constexpr double MOVE_STEP = 0.1;
constexpr double AMPLITUDE_STEP = 0.01;

void moveCurve(double dx, double dy) {
    for (Point2d& p : scene.controlPoints) {
        p.x += dx;
        p.y += dy;
    }
}

}  // namespace

void onSpecialKey(int key, int, int) {
    switch (key) {
        case GLUT_KEY_UP: moveCurve(0, MOVE_STEP); break;
        case GLUT_KEY_DOWN: moveCurve(0, -MOVE_STEP); break;
        case GLUT_KEY_LEFT: moveCurve(-MOVE_STEP, 0); break;
        case GLUT_KEY_RIGHT: moveCurve(MOVE_STEP, 0); break;
        default:
            if (key >= GLUT_KEY_F1 && key <= GLUT_KEY_F12) scene.waveCount = key;
            break;
    }
    glutPostRedisplay();
}

void onKeyboard(unsigned char key, int, int) {
    if (key == 'r' || key == 'R') {
        scene.segmentCount = scene.segmentCount > 500 ? LOW_RESOLUTION : HIGH_RESOLUTION;
    }
    if (key == 'a' || key == 'A') scene.waveAmplitude += AMPLITUDE_STEP;
    if (key == 's' || key == 'S') scene.waveAmplitude -= AMPLITUDE_STEP;
    glutPostRedisplay();
}
