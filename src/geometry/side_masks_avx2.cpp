// side_masks_avx2.cpp: the side classifier with AVX2, four points per instruction, for processors that have it.
#include <immintrin.h>

#include "geometry/intersect.h"
#include "geometry/side_masks.h"

namespace {

// Everything a sweep needs about the two lines a->b and b->c, broadcast to all four lanes.
struct LinePair {
    __m256d ax, ay, bx, by, cx, cy;
    __m256d abCross0, abCross1;  // a.x * b.y and a.y * b.x
    __m256d bcCross0, bcCross1;  // b.x * c.y and b.y * c.x
};

// The side bits of up to 64 points from x/y, `vectors` groups of four.
__attribute__((target("avx2"))) void classifyWord(const double* x, const double* y, int vectors,
                                                  const LinePair& l, std::uint64_t& positive0,
                                                  std::uint64_t& negative0, std::uint64_t& positive1,
                                                  std::uint64_t& negative1) {
    const __m256d tolerance = _mm256_set1_pd(SIDE_TOLERANCE);
    const __m256d minusTolerance = _mm256_set1_pd(-SIDE_TOLERANCE);
    std::uint64_t p0 = 0, n0 = 0, p1 = 0, n1 = 0;
    for (int v = 0; v < vectors; ++v) {
        const __m256d rx = _mm256_loadu_pd(x + 4 * v);
        const __m256d ry = _mm256_loadu_pd(y + 4 * v);
        // orient(p, q, r) = (p.x*q.y + q.x*r.y + p.y*r.x) - (p.x*r.y + p.y*q.x + q.y*r.x), summed in
        // this order for p, q = a, b and for p, q = b, c; b.x*r.y and b.y*r.x serve both.
        const __m256d axRy = _mm256_mul_pd(l.ax, ry);
        const __m256d ayRx = _mm256_mul_pd(l.ay, rx);
        const __m256d bxRy = _mm256_mul_pd(l.bx, ry);
        const __m256d byRx = _mm256_mul_pd(l.by, rx);
        const __m256d cxRy = _mm256_mul_pd(l.cx, ry);
        const __m256d cyRx = _mm256_mul_pd(l.cy, rx);
        const __m256d o0 = _mm256_sub_pd(_mm256_add_pd(_mm256_add_pd(l.abCross0, bxRy), ayRx),
                                         _mm256_add_pd(_mm256_add_pd(axRy, l.abCross1), byRx));
        const __m256d o1 = _mm256_sub_pd(_mm256_add_pd(_mm256_add_pd(l.bcCross0, cxRy), byRx),
                                         _mm256_add_pd(_mm256_add_pd(bxRy, l.bcCross1), cyRx));
        // side(o) is +1 exactly when o is not below the tolerance (a NaN is not), -1 when o is
        // at most minus the tolerance (a NaN is not).
        const int shift = 4 * v;
        p0 |= std::uint64_t(_mm256_movemask_pd(_mm256_cmp_pd(o0, tolerance, _CMP_NLT_UQ))) << shift;
        n0 |= std::uint64_t(_mm256_movemask_pd(_mm256_cmp_pd(o0, minusTolerance, _CMP_LE_OQ))) << shift;
        p1 |= std::uint64_t(_mm256_movemask_pd(_mm256_cmp_pd(o1, tolerance, _CMP_NLT_UQ))) << shift;
        n1 |= std::uint64_t(_mm256_movemask_pd(_mm256_cmp_pd(o1, minusTolerance, _CMP_LE_OQ))) << shift;
    }
    positive0 = p0;
    negative0 = n0;
    positive1 = p1;
    negative1 = n1;
}

}  // namespace

__attribute__((target("avx2"))) void sideMasksAvx2(const double* xs, const double* ys, std::size_t from,
                                                   std::size_t end, const Point2d& a, const Point2d& b,
                                                   const Point2d& c, SideMasks first, SideMasks second) {
    LinePair l;
    l.ax = _mm256_set1_pd(a.x);
    l.ay = _mm256_set1_pd(a.y);
    l.bx = _mm256_set1_pd(b.x);
    l.by = _mm256_set1_pd(b.y);
    l.cx = _mm256_set1_pd(c.x);
    l.cy = _mm256_set1_pd(c.y);
    l.abCross0 = _mm256_set1_pd(a.x * b.y);
    l.abCross1 = _mm256_set1_pd(a.y * b.x);
    l.bcCross0 = _mm256_set1_pd(b.x * c.y);
    l.bcCross1 = _mm256_set1_pd(b.y * c.x);
    const std::size_t count = end - from;
    const std::size_t words = (count + 63) / 64;
    for (std::size_t w = 0; w < words; ++w) {
        const std::size_t left = count - 64 * w;
        const int vectors = left >= 64 ? 16 : static_cast<int>((left + 3) / 4);
        classifyWord(xs + from + 64 * w, ys + from + 64 * w, vectors, l, first.positive[w], first.negative[w],
                     second.positive[w], second.negative[w]);
    }
    // The last group of four may reach past the last point: its bits are dropped.
    if (count % 64 != 0) {
        const std::uint64_t kept = (std::uint64_t{1} << (count % 64)) - 1;
        first.positive[words - 1] &= kept;
        first.negative[words - 1] &= kept;
        second.positive[words - 1] &= kept;
        second.negative[words - 1] &= kept;
    }
}
