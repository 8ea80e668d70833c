// marker_points.cpp: the marked crossings of a wave as a list, for callers outside the frame.
#include "geometry/marker_points.h"

std::vector<MarkerPoint> markerPoints(const std::vector<Point2d>& wave) {
    SelfCrossingScratch scratch;
    std::vector<MarkerPoint> markers;
    forEachMarkerPoint(wave, scratch, [&markers](std::size_t j, std::size_t m, const Point2d& crossing) {
        markers.push_back({crossing, j, m});
    });
    return markers;
}
