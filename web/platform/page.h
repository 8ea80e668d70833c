// page.h: what the program tells the page around its canvas.
#pragma once

// Gives the canvas the window's title as its name.
void nameWindowOnPage(const char* title);

// After every frame: the scene's drawing parameters and interaction state, for the page's readout.
void showFrameOnPage();
