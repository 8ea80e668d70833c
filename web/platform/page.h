// page.h: what the program tells the page around its canvas, and what the GL stand-in counts for it.
#pragma once

// Gives the canvas the window's title as its name.
void nameWindowOnPage(const char* title);

// Once main has set up the scene and the window, before the first frame: the page then opens the
// drawing its address names, which main's start-up values would otherwise overwrite.
void tellPageProgramStarted();

// After every frame: the scene's drawing parameters and interaction state, and the frame's marker
// points, for the page's readout.
void showFrameOnPage();

// The GL_POINTS vertices drawn since the last call (gl_immediate.cpp).
int takePointVertexCount();
