// vertex.h: the one rule by which every pass hands a point to OpenGL.
#pragma once

#include <GL/gl.h>

#include "geometry/point2d.h"

// Hands p to OpenGL at p * zoom, multiplied in double and rounded to float only here.
inline void emitVertex(const Point2d& p, double zoom) {
    glVertex2f(static_cast<float>(p.x * zoom), static_cast<float>(p.y * zoom));
}
