// main.cpp: the entry point: reads the command line, answers --help/--version, else fills the scene
// (from --open's link if given) and describes it (--describe) or opens the window and runs GLUT.
#include <GL/freeglut.h>

#include <csignal>
#include <cstdio>

#include "app/command_line.h"
#include "app/scene_state.h"
#include "app/usage.h"
#include "app/window_identity.h"
#include "input/keyboard.h"
#include "input/mouse.h"
#include "render/display.h"

int main(int argc, char** argv) {
    CommandLine line = readCommandLine(argc, argv);
    // --help and --version are answered before GLUT sees the command line: they need no display.
    if (line.info != InfoOption::None) return answerInfoOption(line.info);
    // A bad link stops here, before GLUT: the note needs no display and no window opens.
    if (!line.refusal.empty()) {
        std::fprintf(stderr, "quillmark: %s\n", line.refusal.c_str());
        return 2;
    }
    setUpScene(line, scene);
    // The drawing in words needs no display either.
    if (line.describe) return answerDescribe(scene);
    // From here on a reader that goes away (`quillmark | head -2`) ends the output, not the program:
    // a failed write stops the writing (endFrameOutput) instead of a signal ending the process.
    std::signal(SIGPIPE, SIG_IGN);
    // GLUT takes its own options (-geometry, -display, ...) out of the command line and
    // reports by itself when there is no display to open; whatever it leaves was mistyped.
    int glutArgc = static_cast<int>(line.glutArguments.size());
    line.glutArguments.push_back(nullptr);
    glutInit(&glutArgc, line.glutArguments.data());
    warnUnknownOptions(glutArgc, line.glutArguments.data());
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
