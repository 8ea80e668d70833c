// self_crossings.h: every crossing between non-neighbouring segments of a polyline, all pairs tested, fast.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "geometry/intersect.h"
#include "geometry/point2d.h"
#include "geometry/side_masks.h"

// The ways to classify points against segment lines. They give the same bits; they differ in speed.
enum class SideClassifier { Portable, Avx2 };

// Whether this build and this processor can run the classifier.
bool classifierAvailable(SideClassifier classifier);

// The fastest classifier available here.
SideClassifier fastestClassifier();

// Working storage of forEachSelfCrossing, owned by the caller so that its capacity outlives a
// call: after the first call at a given number of points, a call allocates nothing.
struct SelfCrossingScratch {
    SideClassifier classifier = fastestClassifier();
    std::vector<double> xs;  // the points' coordinates, zero-padded past the last point
    std::vector<double> ys;
    std::vector<std::uint64_t> positive;  // side bits of the two rows in work, one after the other
    std::vector<std::uint64_t> negative;
};

namespace selfCrossingsDetail {

// Copies the points into the scratch and sizes its masks; returns the words per row of masks.
std::size_t prepare(const std::vector<Point2d>& points, SelfCrossingScratch& scratch);

// Side bits of the points from + 1 on (bit 0 for point from + 1) against segment from - 1
// (first row) and segment from (second row).
void classifyRows(SelfCrossingScratch& scratch, std::size_t from, std::size_t wordsPerRow);

// Tests the pairs of segment i - 1 and every segment m >= i + 1 whose end points straddle the
// first segment's line according to the side bits (bit j for point k0 + j), in increasing m.
template <class Visit>
void visitRow(const std::vector<Point2d>& p, const std::uint64_t* positive, const std::uint64_t* negative,
              std::size_t words, std::size_t k0, std::size_t i, Visit& visit) {
    const Point2d a1 = p[i - 1];
    const Point2d a2 = p[i];
    for (std::size_t w = 0; w < words; ++w) {
        // Bit j: point k0 + 64w + j and the next one lie strictly on opposite sides of the line,
        // the first straddle test of intersectSegments for segment m = k0 + 64w + j.
        std::uint64_t straddles = (positive[w] & ((negative[w] >> 1) | (negative[w + 1] << 63))) |
                                  (negative[w] & ((positive[w] >> 1) | (positive[w + 1] << 63)));
        // Segment i is the neighbour of segment i - 1 and is never tested.
        if (w == 0) straddles &= ~std::uint64_t{0} << (i + 1 - k0);
        while (straddles != 0) {
            const std::size_t m = k0 + 64 * w + static_cast<std::size_t>(__builtin_ctzll(straddles));
            straddles &= straddles - 1;
            const Point2d b1 = p[m];
            const Point2d b2 = p[m + 1];
            // The first straddle test passed in the bits; with the second, this is intersectSegments.
            if (side(orient(b1, b2, a1)) * side(orient(b1, b2, a2)) >= 0) continue;
            const Point2d r = crossingPoint(a1, a2, b1, b2);
            // A point computed at exactly (100, 100) reads as no crossing, as from intersectSegments.
            if (r.x == NO_INTERSECTION.x && r.y == NO_INTERSECTION.y) continue;
            visit(i - 1, m, r);
        }
    }
}

}  // namespace selfCrossingsDetail

// Calls visit(j, m, crossing) for every pair of segments j < m - 1 of the polyline (segment j
// runs from points[j] to points[j + 1]) whose intersectSegments result is not NO_INTERSECTION,
// in increasing j, then m, with that result to the bit. Every pair is decided exactly as
// intersectSegments decides it; only the work is shared between pairs.
template <class Visit>
void forEachSelfCrossing(const std::vector<Point2d>& points, SelfCrossingScratch& scratch, Visit&& visit) {
    const std::size_t n = points.size();
    if (n < 4) return;
    const std::size_t words = selfCrossingsDetail::prepare(points, scratch);
    // Rows come two at a time: segments i - 1 and i share the point p[i], and with it half the
    // products of their orientation values.
    for (std::size_t i = 1; i + 2 < n; i += 2) {
        selfCrossingsDetail::classifyRows(scratch, i, words);
        const std::size_t k0 = i + 1;
        const std::size_t rowWords = (n - k0 + 63) / 64;
        selfCrossingsDetail::visitRow(points, scratch.positive.data(), scratch.negative.data(), rowWords, k0, i,
                                      visit);
        selfCrossingsDetail::visitRow(points, scratch.positive.data() + words, scratch.negative.data() + words,
                                      rowWords, k0, i + 1, visit);
    }
}
