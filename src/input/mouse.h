// mouse.h: the mouse handlers: pick and drag a control point, zoom by dragging.
#pragma once

// A zoom drag adds ZOOM_DRAG_STEP to the zoom for every ZOOM_DRAG_STEP_PIXELS the pointer moves up.
inline constexpr double ZOOM_DRAG_STEP = 0.1;
inline constexpr double ZOOM_DRAG_STEP_PIXELS = 100.0;

// The control point a left press at window pixel (x, y) picks, or -1 for none; picks nothing yet.
int pointPickedAt(int x, int y);

// Left press picks the nearest control point within reach, left release drops it;
// any other button's press and release start and end a zoom drag.
void onMouse(int button, int state, int x, int y);

// While a button is held: moves the picked point with the pointer and zooms with
// the pointer's vertical movement.
void onMotion(int x, int y);
