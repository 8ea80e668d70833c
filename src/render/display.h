// display.h: the display handler that draws one whole frame from the scene state.
#pragma once

#include "geometry/point2d.h"

// Clears, draws curve, control polygon, wave curve and crossing markers, swaps buffers.
void display();

// Hands p to OpenGL at p * zoom, multiplied in double and rounded to float only here.
void emitVertex(const Point2d& p, double zoom);
