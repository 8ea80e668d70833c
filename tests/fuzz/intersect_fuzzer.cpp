// intersect_fuzzer.cpp: libFuzzer target for intersectSegments on eight raw doubles, NaN and infinity included.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "geometry/intersect.h"

namespace {

// The slope form places a crossing inside both segments' boxes only where it is well
// conditioned: window-sized coordinates and moderate slopes. Near-vertical segments and far
// coordinates break the property by the nature of the formula, so it is checked only here.
constexpr double MODERATE_COORDINATE = 100;
constexpr double MODERATE_SLOPE = 100;
constexpr double RELATIVE_TOLERANCE = 1e-9;

// NaN fails every comparison here, so only finite segments pass.
bool moderate(const Point2d& a, const Point2d& b) {
    for (const double c : {a.x, a.y, b.x, b.y}) {
        if (!(std::fabs(c) <= MODERATE_COORDINATE)) return false;
    }
    return std::fabs(b.y - a.y) <= MODERATE_SLOPE * std::fabs(b.x - a.x);
}

bool insideBox(const Point2d& r, const Point2d& a, const Point2d& b, double tolerance) {
    return r.x >= std::min(a.x, b.x) - tolerance && r.x <= std::max(a.x, b.x) + tolerance &&
           r.y >= std::min(a.y, b.y) - tolerance && r.y <= std::max(a.y, b.y) + tolerance;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double v[8];
    if (size < sizeof v) return 0;
    std::memcpy(v, data, sizeof v);
    const Point2d a1{v[0], v[1]}, a2{v[2], v[3]}, b1{v[4], v[5]}, b2{v[6], v[7]};
    // Any input at all: the sanitizers report a crash, overflow or undefined operation.
    const Point2d r = intersectSegments(a1, a2, b1, b2);
    const bool crossing = !(r.x == NO_INTERSECTION.x && r.y == NO_INTERSECTION.y);
    if (!crossing || !moderate(a1, a2) || !moderate(b1, b2)) return 0;
    const double scale = std::max({1.0, std::fabs(a1.x), std::fabs(a1.y), std::fabs(a2.x), std::fabs(a2.y),
                                   std::fabs(b1.x), std::fabs(b1.y), std::fabs(b2.x), std::fabs(b2.y)});
    const double tolerance = RELATIVE_TOLERANCE * scale;
    if (!insideBox(r, a1, a2, tolerance) || !insideBox(r, b1, b2, tolerance)) {
        std::fprintf(stderr, "crossing (%.17g, %.17g) outside a segment's box: A (%.17g, %.17g)-(%.17g, %.17g) "
                     "B (%.17g, %.17g)-(%.17g, %.17g)\n", r.x, r.y, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
        std::abort();
    }
    return 0;
}
