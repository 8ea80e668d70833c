// main.cpp: the entry point: answers --help/--version, else fills the scene (from --open's link if
// given), opens the window, runs GLUT.
#include <GL/freeglut.h>

#include <optional>

#include "app/scene_state.h"
#include "app/usage.h"
#include "app/window_identity.h"
#include "input/keyboard.h"
#include "input/mouse.h"
#include "render/display.h"

int main(int argc, char** argv) {
    // --help and --version are answered before GLUT sees the command line: they need no display.
    if (const std::optional<int> status = answerInfoOption(argc, argv)) return *status;
    scene.controlPoints = START_CONTROL_POINTS;
    // A bad link stops here, before GLUT: the note needs no display and no window opens.
    if (const std::optional<int> status = openLinkedDrawing(argc, argv, scene)) return *status;
    // GLUT takes its own options (-geometry, -display, ...) out of the command line and
    // reports by itself when there is no display to open; whatever it leaves was mistyped.
    glutInit(&argc, argv);
    warnUnknownOptions(argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE);
    // Set after glutInit, so the window always opens at 800 x 800; -geometry only places it.
    glutInitWindowSize(800, 800);
    glutCreateWindow("Quillmark");
    identifyWindowToDesktop();
    glClearColor(1, 1, 1, 1);
    glutMouseFunc(onMouse);
    glutMotionFunc(onMotion);
    glutSpecialFunc(onSpecialKey);
    glutKeyboardFunc(onKeyboard);
    glutDisplayFunc(display);
    glutMainLoop();
    return 0;
}
