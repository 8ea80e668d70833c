// page.h: everything that crosses between the program and the page's JavaScript, listed once on
// this side; web/page/program.js lists the same names on the page's side.
//
// What the program calls on the page, as functions of the Module object that program.js sets up:
//   Module.canvas.ariaLabel      the window's title names the canvas
//   Module.onWebGlOff()          the browser gave no WebGL context: the program stops next
//   Module.onProgramStarted(facts)
//                                main has set up the scene and the window, before the first frame;
//                                facts is programFactsJson()'s object (page_answers.h)
//   Module.onFrameDrawn(scene)   after every frame, sceneJson()'s object, with these fields:
//       waveCount, waveAmplitude, segmentCount, zoom
//                                the drawing's half-waves, amplitude, steps and zoom
//       controlPoints            [P0x, P0y, P1x, P1y, P2x, P2y, P3x, P3y]
//       selectedPoint            the corner a left press picked, -1 for none
//       zoomDragActive           whether a zoom drag is under way
//       lastMouse                [x, y], where the last press or drag motion of the corner was
//       zoomAnchorY              where the zoom drag's last motion was
//       markerPoints             the points the frame's marker pass drew
//
// What the page calls in the program: the C functions below.
#pragma once

// Gives the canvas the window's title as its name.
void nameWindowOnPage(const char* title);

// Once main has set up the scene and the window, before the first frame: the page then opens the
// drawing its address names, which main's start-up values would otherwise overwrite.
void tellPageProgramStarted();

// After every frame: the scene it was drawn from, for the page's readout and words.
void showFrameOnPage();

// Lets the page say what is wrong and what helps, before the program stops with its line.
void tellPageWebGlIsOff();

// The GL_POINTS vertices drawn since the last call (gl_immediate.cpp).
int takePointVertexCount();

extern "C" {

// The page's input as GLUT reports it (glut.cpp): window pixels from the canvas's top-left corner,
// GLUT's button, state and key codes (the program's facts list them).
void quillmarkMouse(int button, int state, int x, int y);
void quillmarkMotion(int x, int y);
void quillmarkSpecialKey(int key, int x, int y);
void quillmarkKey(int key, int x, int y);

// The page's corner and zoom buttons: one drag step each (page_answers.h), as JSON
// {"refusal": sentence or "", "release": [x, y]}.
const char* quillmarkCornerStep(int k, int dx, int dy);
const char* quillmarkZoomStep(int direction);

// The wave the last frame drew, for the page's sound: drawnWave()'s floats (page_answers.h), from
// the one returned on; they stay until the next call.
const float* quillmarkDrawnWave();

// Where corner k is drawn on the canvas, in pixels with the fraction kept: x for axis 0, y for 1.
double quillmarkCornerPixel(int k, int axis);

// The fragment that names the scene's drawing, without '#'; empty for the start-up drawing.
const char* quillmarkDrawingLink();

// The drawing in words: the scene's description; the phrases of what differs between the drawings
// that two links name (each as quillmarkDrawingLink gives it); the warning of a link's drawing.
const char* quillmarkDescription();
const char* quillmarkChanges(const char* before, const char* after);
const char* quillmarkWarning(const char* link);

// Reads the drawing a fragment names and keeps it for quillmarkOpenLink; gives what could not be
// used, or "".
const char* quillmarkReadLink(const char* fragment);

// Shows the drawing the last usable link read named (linkRead 1), or the start-up drawing (0).
void quillmarkOpenLink(int linkRead);

// A frame of the scene as it is, for the page to read its pixels while they are there.
void quillmarkRedraw();

// A frame drawn at once, not on the next animation frame: printing starts from beforeprint, and the
// browser lays the page out for print before any animation frame comes.
void quillmarkDrawNow();

}  // extern "C"
