// markers.cpp: tests every pair of non-neighbouring wave segments and draws their crossings.
#include "render/markers.h"

#include <GL/gl.h>

#include <cstddef>

#include "app/scene_state.h"
#include "geometry/self_crossings.h"
#include "render/vertex.h"

namespace {

// Results right of x = 10 (NO_INTERSECTION among them) are off the window at every zoom.
constexpr double MARKER_X_LIMIT = 10;

// Kept from frame to frame: after the first frame at a resolution the pass allocates nothing.
SelfCrossingScratch crossingScratch;

}  // namespace

void drawIntersectionMarkers() {
    const std::vector<Point2d>& p = scene.wavePolyline;
    glColor3f(1, 0, 1);
    glPointSize(3);
    glBegin(GL_POINTS);
    // Every pair of non-neighbouring segments is tested, earlier segment first; NO_INTERSECTION
    // answers are not handed over, and would be right of the limit anyway.
    forEachSelfCrossing(p, crossingScratch, [](std::size_t, std::size_t, const Point2d& r) {
        // A NaN x is not greater than 10 and is drawn, as is every real crossing.
        if (!(r.x > MARKER_X_LIMIT)) emitVertex(r, scene.zoom);
    });
    glEnd();
}
