// self_crossings.cpp: the scratch set-up, the choice of classifier and the plain C++ classifier.
#include "geometry/self_crossings.h"

#include <algorithm>

namespace {

// The AVX2 classifier reads up to three points past the last one.
constexpr std::size_t COORDINATE_PADDING = 4;

SideMaskClassifier classifierFunction(SideClassifier classifier) {
#if defined(QUILLMARK_AVX2_CLASSIFIER)
    if (classifier == SideClassifier::Avx2) return sideMasksAvx2;
#endif
    (void)classifier;
    return sideMasksPortable;
}

}  // namespace

bool classifierAvailable(SideClassifier classifier) {
    switch (classifier) {
        case SideClassifier::Portable:
            return true;
        case SideClassifier::Avx2:
#if defined(QUILLMARK_AVX2_CLASSIFIER)
            // The detection may be asked for before the run-time library has run it itself.
            __builtin_cpu_init();
            return __builtin_cpu_supports("avx2");
#else
            return false;
#endif
    }
    return false;
}

SideClassifier fastestClassifier() {
    return classifierAvailable(SideClassifier::Avx2) ? SideClassifier::Avx2 : SideClassifier::Portable;
}

void sideMasksPortable(const double* xs, const double* ys, std::size_t from, std::size_t end, const Point2d& a,
                       const Point2d& b, const Point2d& c, SideMasks first, SideMasks second) {
    for (std::size_t w = 0; from + 64 * w < end; ++w) {
        const std::size_t start = from + 64 * w;
        const std::size_t bits = std::min<std::size_t>(64, end - start);
        std::uint64_t positive0 = 0, negative0 = 0, positive1 = 0, negative1 = 0;
        for (std::size_t j = 0; j < bits; ++j) {
            const Point2d r{xs[start + j], ys[start + j]};
            // The very expressions of intersectSegments' straddle test, so the bits match it.
            const int side0 = side(orient(a, b, r));
            const int side1 = side(orient(b, c, r));
            positive0 |= std::uint64_t{side0 > 0} << j;
            negative0 |= std::uint64_t{side0 < 0} << j;
            positive1 |= std::uint64_t{side1 > 0} << j;
            negative1 |= std::uint64_t{side1 < 0} << j;
        }
        first.positive[w] = positive0;
        first.negative[w] = negative0;
        second.positive[w] = positive1;
        second.negative[w] = negative1;
    }
}

namespace selfCrossingsDetail {

std::size_t prepare(const std::vector<Point2d>& points, SelfCrossingScratch& scratch) {
    const std::size_t n = points.size();
    scratch.xs.resize(n + COORDINATE_PADDING);
    scratch.ys.resize(n + COORDINATE_PADDING);
    for (std::size_t k = 0; k < n; ++k) {
        scratch.xs[k] = points[k].x;
        scratch.ys[k] = points[k].y;
    }
    std::fill(scratch.xs.begin() + static_cast<std::ptrdiff_t>(n), scratch.xs.end(), 0.0);
    std::fill(scratch.ys.begin() + static_cast<std::ptrdiff_t>(n), scratch.ys.end(), 0.0);
    // One word more than a row can fill: the straddle bits read the word after the last.
    const std::size_t words = (n + 63) / 64 + 1;
    scratch.positive.resize(2 * words);
    scratch.negative.resize(2 * words);
    return words;
}

void classifyRows(SelfCrossingScratch& scratch, std::size_t from, std::size_t wordsPerRow) {
    const std::size_t n = scratch.xs.size() - COORDINATE_PADDING;
    const Point2d a{scratch.xs[from - 1], scratch.ys[from - 1]};
    const Point2d b{scratch.xs[from], scratch.ys[from]};
    const Point2d c{scratch.xs[from + 1], scratch.ys[from + 1]};
    std::uint64_t* positive = scratch.positive.data();
    std::uint64_t* negative = scratch.negative.data();
    classifierFunction(scratch.classifier)(scratch.xs.data(), scratch.ys.data(), from + 1, n, a, b, c,
                                           {positive, negative},
                                           {positive + wordsPerRow, negative + wordsPerRow});
    // The word after a row's last is read as "no point there": earlier, longer rows left bits in it.
    const std::size_t used = (n - from - 1 + 63) / 64;
    positive[used] = negative[used] = 0;
    positive[wordsPerRow + used] = negative[wordsPerRow + used] = 0;
}

}  // namespace selfCrossingsDetail
