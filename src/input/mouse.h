// mouse.h: the mouse handlers: pick and drag a control point, zoom by dragging.
#pragma once

// Left press picks the nearest control point within reach, left release drops it;
// any other button's press and release start and end a zoom drag.
void onMouse(int button, int state, int x, int y);

// While a button is held: moves the picked point with the pointer and zooms with
// the pointer's vertical movement.
void onMotion(int x, int y);
