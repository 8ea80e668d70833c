// markers.cpp: tests every pair of non-neighbouring wave segments and draws their crossings.
#include "render/markers.h"

#include <GL/gl.h>

#include <cstddef>

#include "app/scene_state.h"
#include "geometry/intersect.h"
#include "render/display.h"

namespace {

// Results right of x = 10 (NO_INTERSECTION among them) are off the window at every zoom.
constexpr double MARKER_X_LIMIT = 10;

}  // namespace

void drawIntersectionMarkers() {
    const std::vector<Point2d>& p = scene.wavePolyline;
    glColor3f(1, 0, 1);
    glPointSize(3);
    glBegin(GL_POINTS);
    // Segment i-1 against every later segment m from i+1 on; neighbours always touch.
    for (std::size_t i = 1; i + 1 < p.size(); ++i) {
        for (std::size_t m = i + 1; m + 1 < p.size(); ++m) {
            const Point2d r = intersectSegments(p[i - 1], p[i], p[m], p[m + 1]);
            // A NaN x is not greater than 10 and is drawn, as is every real crossing.
            if (!(r.x > MARKER_X_LIMIT)) emitVertex(r, scene.zoom);
        }
    }
    glEnd();
}
