// markers.cpp: tests every pair of non-neighbouring wave segments and draws their crossings.
#include "render/markers.h"

#include <GL/gl.h>

#include <cstddef>

#include "app/scene_state.h"
#include "geometry/marker_points.h"
#include "render/vertex.h"

namespace {

// Kept from frame to frame: after the first frame at a resolution the pass allocates nothing.
SelfCrossingScratch crossingScratch;

}  // namespace

void drawIntersectionMarkers() {
    glColor3f(1, 0, 1);
    glPointSize(3);
    glBegin(GL_POINTS);
    // Every pair of non-neighbouring segments is tested, earlier segment first; only marked
    // crossings are handed over.
    forEachMarkerPoint(scene.wavePolyline, crossingScratch,
                       [](std::size_t, std::size_t, const Point2d& r) { emitVertex(r, scene.zoom); });
    glEnd();
}
