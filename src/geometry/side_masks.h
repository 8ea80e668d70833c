// side_masks.h: which side of two neighbouring segment lines each of many points lies on, as bit masks.
#pragma once

#include <cstddef>
#include <cstdint>

#include "geometry/point2d.h"

// One row of side bits: bit j of word j / 64 stands for the j-th point classified.
struct SideMasks {
    std::uint64_t* positive;  // side(orient(...)) is +1 (NaN included)
    std::uint64_t* negative;  // side(orient(...)) is -1
};

// Classifies the points k = from .. end - 1 of xs/ys against the line a->b (into `first`) and
// the line b->c (into `second`), with exactly the values of side(orient(line, point)). Writes
// (end - from + 63) / 64 words to each mask; bits past the last point are 0. xs and ys must be
// readable up to index end + 3. Every variant below gives the same bits.
using SideMaskClassifier = void (*)(const double* xs, const double* ys, std::size_t from, std::size_t end,
                                    const Point2d& a, const Point2d& b, const Point2d& c, SideMasks first,
                                    SideMasks second);

// Plain C++ for any processor.
void sideMasksPortable(const double* xs, const double* ys, std::size_t from, std::size_t end, const Point2d& a,
                       const Point2d& b, const Point2d& c, SideMasks first, SideMasks second);

#if defined(QUILLMARK_AVX2_CLASSIFIER)
// Four points per instruction; only for processors with AVX2.
void sideMasksAvx2(const double* xs, const double* ys, std::size_t from, std::size_t end, const Point2d& a,
                   const Point2d& b, const Point2d& c, SideMasks first, SideMasks second);
#endif
