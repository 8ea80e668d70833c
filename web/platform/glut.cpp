// glut.cpp: the GLUT calls the program makes, on the page's canvas: the window and its WebGL
// context, the callbacks, redraws on the browser's animation frames, and the entry points through
// which the page hands over mouse, touch and key events as GLUT reports them.
#include <GL/glut.h>
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <cstdio>
#include <cstdlib>

#include "platform/page.h"

namespace {

constexpr const char* CANVAS = "#canvas";

// GLUT's defaults until the program sets them.
unsigned int displayMode = GLUT_RGBA | GLUT_SINGLE | GLUT_DEPTH;
int windowWidth = 300;
int windowHeight = 300;

void (*displayHandler)() = nullptr;
void (*mouseHandler)(int button, int state, int x, int y) = nullptr;
void (*motionHandler)(int x, int y) = nullptr;
void (*specialKeyHandler)(int key, int x, int y) = nullptr;
void (*keyboardHandler)(unsigned char key, int x, int y) = nullptr;

// Redraw requests made before the next animation frame are merged into one frame, as GLUT does.
bool redrawRequested = false;

// The page reads the frame's pixels, if it wants them, in showFrameOnPage: WebGL clears them once
// the animation frame returns.
EM_BOOL drawFrame(double, void*) {
    redrawRequested = false;
    if (displayHandler != nullptr) displayHandler();
    showFrameOnPage();
    return EM_FALSE;
}

}  // namespace

extern "C" {

// The page has no command line for GLUT to take options from.
void glutInit(int*, char**) {}

void glutInitDisplayMode(unsigned int mode) {
    displayMode = mode;
}

void glutInitWindowSize(int width, int height) {
    windowWidth = width;
    windowHeight = height;
}

// The canvas becomes the window: its pixels are the window's size whatever size the page shows
// it at, and its WebGL context draws without smoothing, as the desktop window does.
int glutCreateWindow(const char* title) {
    emscripten_set_canvas_element_size(CANVAS, windowWidth, windowHeight);
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.alpha = (displayMode & GLUT_ALPHA) != 0;
    attributes.depth = (displayMode & GLUT_DEPTH) != 0;
    attributes.stencil = (displayMode & GLUT_STENCIL) != 0;
    attributes.antialias = (displayMode & GLUT_MULTISAMPLE) != 0;
    const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context = emscripten_webgl_create_context(CANVAS, &attributes);
    if (context <= 0 || emscripten_webgl_make_context_current(context) != EMSCRIPTEN_RESULT_SUCCESS) {
        tellPageWebGlIsOff();
        std::fprintf(stderr, "quillmark: this browser gave no WebGL context for drawing (WebGL may be turned off)\n");
        std::abort();
    }
    nameWindowOnPage(title);
    // A new window is drawn once it shows.
    glutPostRedisplay();
    return 1;
}

void glutDisplayFunc(void (*handler)()) {
    displayHandler = handler;
}

void glutMouseFunc(void (*handler)(int, int, int, int)) {
    mouseHandler = handler;
}

void glutMotionFunc(void (*handler)(int, int)) {
    motionHandler = handler;
}

void glutSpecialFunc(void (*handler)(int, int, int)) {
    specialKeyHandler = handler;
}

void glutKeyboardFunc(void (*handler)(unsigned char, int, int)) {
    keyboardHandler = handler;
}

void glutPostRedisplay() {
    if (redrawRequested) return;
    redrawRequested = true;
    emscripten_request_animation_frame(drawFrame, nullptr);
}

// WebGL shows what a frame drew once the animation frame returns: there is nothing to swap.
void glutSwapBuffers() {}

// The browser runs the loop: the program's part ends here and lives on in its callbacks. The first
// frame comes on a later animation frame, after the page has had its say about the drawing.
void glutMainLoop() {
    tellPageProgramStarted();
    emscripten_exit_with_live_runtime();
}

// The page's input, in GLUT's terms (page.h).
EMSCRIPTEN_KEEPALIVE void quillmarkMouse(int button, int state, int x, int y) {
    if (mouseHandler != nullptr) mouseHandler(button, state, x, y);
}

EMSCRIPTEN_KEEPALIVE void quillmarkMotion(int x, int y) {
    if (motionHandler != nullptr) motionHandler(x, y);
}

EMSCRIPTEN_KEEPALIVE void quillmarkSpecialKey(int key, int x, int y) {
    if (specialKeyHandler != nullptr) specialKeyHandler(key, x, y);
}

EMSCRIPTEN_KEEPALIVE void quillmarkKey(int key, int x, int y) {
    if (keyboardHandler != nullptr) keyboardHandler(static_cast<unsigned char>(key), x, y);
}

EMSCRIPTEN_KEEPALIVE void quillmarkDrawNow() {
    drawFrame(0, nullptr);
}

}  // extern "C"
