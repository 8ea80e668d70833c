// marker_points.h: the wave's self-crossings that get a marker, with the two segments each was found at.
#pragma once

#include <cstddef>
#include <vector>

#include "geometry/point2d.h"
#include "geometry/self_crossings.h"

// A marked crossing of segments earlierSegment < laterSegment (segment k runs from wave point k to
// k + 1, so earlierSegment is the wave step at which the curve first passes the crossing).
struct MarkerPoint {
    Point2d point;
    std::size_t earlierSegment;
    std::size_t laterSegment;
};

// Crossings right of x = 10 (NO_INTERSECTION among them) are off the window at every zoom and get no
// marker. A NaN x is not greater than 10 and is marked, as is every real crossing.
inline bool isMarked(const Point2d& crossing) {
    return !(crossing.x > 10);
}

// Calls visit(earlierSegment, laterSegment, crossing) for every marked crossing of the wave, in the
// order the marker pass draws them: increasing earlier segment, then later one.
template <class Visit>
void forEachMarkerPoint(const std::vector<Point2d>& wave, SelfCrossingScratch& scratch, Visit&& visit) {
    forEachSelfCrossing(wave, scratch, [&visit](std::size_t j, std::size_t m, const Point2d& crossing) {
        if (isMarked(crossing)) visit(j, m, crossing);
    });
}

// Every marked crossing of the wave, in the marker pass's order.
std::vector<MarkerPoint> markerPoints(const std::vector<Point2d>& wave);
