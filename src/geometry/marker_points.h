// marker_points.h: the points where the wave polyline crosses itself that the marker pass draws.
#pragma once

#include <cstddef>
#include <vector>

#include "geometry/point2d.h"
#include "geometry/self_crossings.h"

// Crossings right of x = 10 (NO_INTERSECTION among them) are off the window at every zoom.
inline constexpr double MARKER_X_LIMIT = 10;

// Calls mark(crossing) for every crossing of two non-neighbouring segments of wavePolyline that is
// not right of the limit, in the order of forEachSelfCrossing. A NaN x is not greater than the limit
// and is marked, as is every real crossing.
template <class Mark>
void forEachMarkerPoint(const std::vector<Point2d>& wavePolyline, SelfCrossingScratch& scratch, Mark&& mark) {
    forEachSelfCrossing(wavePolyline, scratch, [&](std::size_t, std::size_t, const Point2d& r) {
        if (!(r.x > MARKER_X_LIMIT)) mark(r);
    });
}
