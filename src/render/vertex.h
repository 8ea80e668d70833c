// vertex.h: the one rule by which every pass hands a point to OpenGL.
#pragma once

#include <GL/gl.h>

#include "geometry/point2d.h"

struct Vertex2f {
    float x;
    float y;
};

// Where p is drawn: p * zoom, multiplied in double and rounded to float only here.
inline Vertex2f drawnVertex(const Point2d& p, double zoom) {
    return {static_cast<float>(p.x * zoom), static_cast<float>(p.y * zoom)};
}

// Hands p to OpenGL where it is drawn.
inline void emitVertex(const Point2d& p, double zoom) {
    const Vertex2f v = drawnVertex(p, zoom);
    glVertex2f(v.x, v.y);
}
