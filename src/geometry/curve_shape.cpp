// curve_shape.cpp: cusps, the loop, straightness and turns of a cubic Bézier curve, solved in closed form.
#include "geometry/curve_shape.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace {

Point2d difference(const Point2d& a, const Point2d& b) {
    return {a.x - b.x, a.y - b.y};
}

double cross(const Point2d& a, const Point2d& b) {
    return a.x * b.y - a.y * b.x;
}

double distance(const Point2d& a, const Point2d& b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// The two corners farthest apart, and how far apart they are: the polygon's size.
struct Span {
    int from;
    int to;
    double size;
};

Span widestSpan(const ControlPoints& p) {
    Span widest{0, 0, 0.0};
    for (int i = 0; i < 4; ++i) {
        for (int j = i + 1; j < 4; ++j) {
            if (distance(p[i], p[j]) > widest.size) widest = {i, j, distance(p[i], p[j])};
        }
    }
    return widest;
}

// The real roots of c2 t² + c1 t + c0 where it changes sign, in increasing order; computed without
// the cancellation of the schoolbook formula.
std::vector<double> signChanges(double c2, double c1, double c0) {
    if (c2 == 0) {
        if (c1 == 0) return {};
        return {-c0 / c1};
    }
    const double discriminant = c1 * c1 - 4 * c2 * c0;
    if (!(discriminant > 0)) return {};
    const double q = -0.5 * (c1 + std::copysign(std::sqrt(discriminant), c1));
    std::vector<double> roots{q / c2, c0 / q};
    std::sort(roots.begin(), roots.end());
    return roots;
}

// Where a quadratic comes nearest to 0: its roots, or its vertex when it has none (rounding may
// push a double root's discriminant below 0).
std::vector<double> nearestToZero(double c2, double c1, double c0) {
    std::vector<double> places = signChanges(c2, c1, c0);
    if (places.empty() && c2 != 0) places.push_back(-c1 / (2 * c2));
    return places;
}

// The derivative is 3 (a (1-t)² + 2b (1-t) t + c t²) with a, b, c the polygon's sides.
struct Sides {
    Point2d a;
    Point2d b;
    Point2d c;
};

Sides sidesOf(const ControlPoints& p) {
    return {difference(p[1], p[0]), difference(p[2], p[1]), difference(p[3], p[2])};
}

// Every 0 < t < 1 where the derivative's length is within the tolerance, one per place.
std::vector<double> cusps(const ControlPoints& p, double tolerance) {
    const Sides s = sidesOf(p);
    std::vector<double> candidates = nearestToZero(s.a.x - 2 * s.b.x + s.c.x, 2 * (s.b.x - s.a.x), s.a.x);
    for (double t : nearestToZero(s.a.y - 2 * s.b.y + s.c.y, 2 * (s.b.y - s.a.y), s.a.y)) candidates.push_back(t);
    std::sort(candidates.begin(), candidates.end());
    std::vector<double> found;
    for (double t : candidates) {
        if (!(t > 0 && t < 1)) continue;
        const Point2d d = bezierDerivative(p, t);
        if (!(std::hypot(d.x, d.y) <= tolerance)) continue;
        // The x and the y roots of one cusp differ by rounding only.
        if (found.empty() || t - found.back() > SHAPE_TOLERANCE) found.push_back(t);
    }
    return found;
}

// The parameters s < t in [0, 1] where B(s) = B(t). With B(t) = A t³ + B t² + C t + P0, the pair
// solves A (σ² - π) + B σ + C = 0 for σ = s + t and π = s t: crossing with A gives σ, one
// coordinate then π. The answer is checked on the curve itself: where the solution is ill-conditioned
// (the start-up curve is nearly a parabola), rounding must not make a loop that is not there.
std::optional<std::pair<double, double>> loopParameters(const ControlPoints& p, double tolerance) {
    const Sides s = sidesOf(p);
    const Point2d cubic{s.c.x - 2 * s.b.x + s.a.x, s.c.y - 2 * s.b.y + s.a.y};
    const Point2d square{3 * (s.b.x - s.a.x), 3 * (s.b.y - s.a.y)};
    const Point2d linear{3 * s.a.x, 3 * s.a.y};
    const double cubicCrossSquare = cross(cubic, square);
    if (cubicCrossSquare == 0) return std::nullopt;
    const double sum = -cross(cubic, linear) / cubicCrossSquare;
    const bool useX = std::fabs(cubic.x) >= std::fabs(cubic.y);
    const double product = useX ? sum * sum + (square.x * sum + linear.x) / cubic.x
                                : sum * sum + (square.y * sum + linear.y) / cubic.y;
    const double discriminant = sum * sum - 4 * product;
    if (!(discriminant > 0)) return std::nullopt;
    // Meeting where the curve starts and ends (P0 = P3) is a loop too; rounding may put such an
    // end a hair outside [0, 1].
    const double first = std::clamp((sum - std::sqrt(discriminant)) / 2, 0.0, 1.0);
    const double second = std::clamp((sum + std::sqrt(discriminant)) / 2, 0.0, 1.0);
    if (!(second - first > SHAPE_TOLERANCE)) return std::nullopt;
    if (!(distance(bezierPoint(p, first), bezierPoint(p, second)) <= tolerance)) return std::nullopt;
    return std::make_pair(first, second);
}

bool straight(const ControlPoints& p, const Span& widest, double tolerance) {
    const bool closed = p[0].x == p[3].x && p[0].y == p[3].y;
    const Point2d from = closed ? p[widest.from] : p[0];
    const Point2d direction = difference(closed ? p[widest.to] : p[3], from);
    const double length = std::hypot(direction.x, direction.y);
    return std::all_of(p.begin(), p.end(), [&](const Point2d& corner) {
        return std::fabs(cross(direction, difference(corner, from))) <= tolerance * length;
    });
}

// B' x B'' is 18 times ab (1-t)³ + (ab + ac)(1-t)²t + (ac + bc)(1-t)t² + bc t³ for the cross
// products ab = a x b and so on: in powers of t, (ab - ac + bc) t² + (ac - 2 ab) t + ab.
std::vector<double> turns(const ControlPoints& p) {
    const Sides s = sidesOf(p);
    const double ab = cross(s.a, s.b);
    const double ac = cross(s.a, s.c);
    const double bc = cross(s.b, s.c);
    std::vector<double> inside;
    for (double t : signChanges(ab - ac + bc, ac - 2 * ab, ab)) {
        if (t >= 0 && t <= 1) inside.push_back(t);
    }
    return inside;
}

}  // namespace

CurveShape curveShape(const ControlPoints& p) {
    const Span widest = widestSpan(p);
    if (widest.size == 0) return {CurveShapeKind::SinglePoint, {}};
    const double tolerance = SHAPE_TOLERANCE * widest.size;
    std::vector<double> cuspAt = cusps(p, tolerance);
    if (!cuspAt.empty()) return {CurveShapeKind::Cusp, cuspAt};
    if (const auto loop = loopParameters(p, tolerance)) return {CurveShapeKind::Loop, {loop->first, loop->second}};
    if (straight(p, widest, tolerance)) return {CurveShapeKind::StraightLine, {}};
    std::vector<double> turnAt = turns(p);
    if (!turnAt.empty()) return {CurveShapeKind::SBend, turnAt};
    return {CurveShapeKind::Arch, {}};
}
