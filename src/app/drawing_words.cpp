// drawing_words.cpp: the description and announcements, made from the same samples and crossings as the frame.
#include "app/drawing_words.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <vector>

#include "geometry/curve_samples.h"
#include "geometry/curve_shape.h"
#include "geometry/marker_points.h"

namespace {

// The marker points named one by one; the rest are counted.
constexpr std::size_t NAMED_MARKERS = 6;
// Whole-curve moves: every corner moved by the same offset, up to rounding.
constexpr double SAME_OFFSET = 1e-9;

// Two decimals; a value that rounds to zero is "0.00", never "-0.00".
std::string twoDecimals(double value) {
    char text[48];
    // Beyond 1e21 fixed notation would read out dozens of digits.
    const char* format = std::fabs(value) >= 1e21 ? "%.3g" : "%.2f";
    std::snprintf(text, sizeof text, format, std::fabs(value) < 0.005 ? 0.0 : value);
    return text;
}

// A point with a coordinate that is not a number or infinite is drawn nowhere in the window.
std::string placeOf(const Point2d& point) {
    if (!std::isfinite(point.x) || !std::isfinite(point.y)) return "off the window";
    return "(" + twoDecimals(point.x) + ", " + twoDecimals(point.y) + ")";
}

// "1,234": digits grouped by thousands.
std::string grouped(std::size_t n) {
    std::string digits = std::to_string(n);
    for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ",");
    return digits;
}

std::string counted(std::size_t n, const char* one, const char* many) {
    return grouped(n) + " " + (n == 1 ? one : many);
}

// "a", "a and b", "a, b and c".
std::string listed(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t k = 0; k < items.size(); ++k) {
        if (k > 0) text += k + 1 == items.size() ? " and " : ", ";
        text += items[k];
    }
    return text;
}

// What the frame of a drawing gives besides its numbers: its marker points and its warnings.
struct FrameFacts {
    std::size_t markerCount = 0;
    std::vector<Point2d> firstMarkers;
    std::vector<std::string> warnedAt;  // each t as the warning line prints it, once, in printed order
};

FrameFacts frameFacts(const Drawing& drawing) {
    // The frame's loop, wave and polyline, as display() builds them from the scene.
    const SampleLoop loop{drawing.segmentCount, 1 / drawing.segmentCount};
    const WaveShape wave{drawing.waveCount, drawing.waveAmplitude, std::acos(-1.0)};  // the scene's pi
    std::vector<Point2d> curvePairs;
    std::vector<Point2d> wavePairs;
    std::vector<double> directionless;
    sampleBezierCurve(drawing.controlPoints, loop, curvePairs);
    sampleWaveCurveQuietly(drawing.controlPoints, wave, loop, curvePairs, wavePairs, directionless);
    std::vector<Point2d> polyline;
    wavePolylineOf(wavePairs, polyline);

    FrameFacts facts;
    const std::vector<MarkerPoint> markers = markerPoints(polyline);
    facts.markerCount = markers.size();
    for (std::size_t k = 0; k < markers.size() && k < NAMED_MARKERS; ++k) facts.firstMarkers.push_back(markers[k].point);
    for (double t : directionless) {
        char text[32];
        std::snprintf(text, sizeof text, "%.3f", t);
        if (std::find(facts.warnedAt.begin(), facts.warnedAt.end(), text) == facts.warnedAt.end()) {
            facts.warnedAt.push_back(text);
        }
    }
    return facts;
}

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
    return text;
}

std::string shapeSentence(const ControlPoints& p) {
    const CurveShape shape = curveShape(p);
    std::vector<std::string> places;
    for (double t : shape.parameters) places.push_back(placeOf(bezierPoint(p, t)));
    switch (shape.kind) {
        case CurveShapeKind::SinglePoint: return "The curve is a single point.";
        case CurveShapeKind::Cusp:
            return std::string(places.size() == 1 ? "The curve has a cusp at " : "The curve has cusps at ") +
                   listed(places) + ".";
        case CurveShapeKind::Loop: return "The curve has a loop, crossing itself at " + places[0] + ".";
        case CurveShapeKind::StraightLine: return "The curve is a straight line.";
        case CurveShapeKind::SBend: {
            std::vector<std::string> turns;
            for (std::size_t k = 0; k < places.size(); ++k) {
                turns.push_back("at t = " + twoDecimals(shape.parameters[k]) + " " + places[k]);
            }
            return "The curve is an S-bend, turning " + listed(turns) + ".";
        }
        case CurveShapeKind::Arch: break;
    }
    return "The curve is an arch.";
}

// Outside when its drawn position, the coordinate times the zoom as handed to OpenGL, is outside [-1, 1].
bool outsideDrawing(const Point2d& corner, double zoom) {
    const float x = static_cast<float>(corner.x * zoom);
    const float y = static_cast<float>(corner.y * zoom);
    return !(x >= -1 && x <= 1 && y >= -1 && y <= 1);
}

std::string cornersOutsideSentence(const Drawing& drawing) {
    std::vector<std::string> outside;
    for (int k = 0; k < 4; ++k) {
        if (outsideDrawing(drawing.controlPoints[k], drawing.zoom)) outside.push_back("P" + std::to_string(k));
    }
    if (outside.empty()) return "";
    if (outside.size() == 4) return " All four corners lie outside the drawing at this zoom.";
    return " " + listed(outside) + (outside.size() == 1 ? " lies" : " lie") + " outside the drawing at this zoom.";
}

std::string markersSentence(const FrameFacts& facts) {
    if (facts.markerCount == 0) return " No marker points where the wave crosses itself.";
    std::vector<std::string> places;
    for (const Point2d& marker : facts.firstMarkers) places.push_back(placeOf(marker));
    if (facts.markerCount > places.size()) places.push_back(grouped(facts.markerCount - places.size()) + " more");
    return " " + counted(facts.markerCount, "marker point", "marker points") + " where the wave crosses itself: " +
           listed(places) + ".";
}

std::string warningPhrase(const FrameFacts& facts) {
    return facts.warnedAt.empty() ? "" : "the program warns: no direction at t = " + joined(facts.warnedAt);
}

// The phrases that announce a change of each number, compared as words.
struct NumberWords {
    std::string waves;
    std::string amplitude;
    std::string steps;
    std::string zoom;
    std::string corners[4];
};

NumberWords numberWords(const Drawing& drawing) {
    NumberWords words;
    words.waves = counted(static_cast<std::size_t>(drawing.waveCount), "half-wave", "half-waves");
    words.amplitude = "amplitude " + twoDecimals(drawing.waveAmplitude);
    words.steps = "steps " + grouped(static_cast<std::size_t>(drawing.segmentCount));
    words.zoom = "zoom " + twoDecimals(drawing.zoom);
    for (int k = 0; k < 4; ++k) words.corners[k] = placeOf(drawing.controlPoints[k]);
    return words;
}

// "curve moved left 0.10 and up 0.20" when every corner moved by the same offset of at least
// 0.005 on some axis; "" otherwise.
std::string curveMove(const Drawing& before, const Drawing& after) {
    const ControlPoints& from = before.controlPoints;
    const ControlPoints& to = after.controlPoints;
    const double dx = to[0].x - from[0].x;
    const double dy = to[0].y - from[0].y;
    for (int k = 1; k < 4; ++k) {
        const bool sameX = std::fabs(to[k].x - from[k].x - dx) < SAME_OFFSET;
        const bool sameY = std::fabs(to[k].y - from[k].y - dy) < SAME_OFFSET;
        if (!(sameX && sameY)) return "";
    }
    const std::string across = twoDecimals(std::fabs(dx));
    const std::string upright = twoDecimals(std::fabs(dy));
    std::vector<std::string> ways;
    if (across != "0.00") ways.push_back((dx > 0 ? "right " : "left ") + across);
    if (upright != "0.00") ways.push_back((dy > 0 ? "up " : "down ") + upright);
    return ways.empty() ? "" : "curve moved " + listed(ways);
}

}  // namespace

std::string drawingDescription(const Drawing& drawing) {
    const NumberWords words = numberWords(drawing);
    const FrameFacts facts = frameFacts(drawing);
    std::string text = "A green cubic Bézier curve from P0 " + words.corners[0] + " to P3 " + words.corners[3] +
                       ", its inner corners P1 " + words.corners[1] + " and P2 " + words.corners[2] +
                       ", with a yellow wave curve along it: " + words.waves + ", " + words.amplitude + ", " +
                       counted(static_cast<std::size_t>(drawing.segmentCount), "step", "steps") + ", " +
                       words.zoom + ". " + shapeSentence(drawing.controlPoints) +
                       cornersOutsideSentence(drawing) + markersSentence(facts);
    if (!facts.warnedAt.empty()) {
        text += " The program warns that the curve has no direction at t = " + joined(facts.warnedAt) +
                ", as where a corner lies on top of its neighbour.";
    }
    return text;
}

std::string drawingWarning(const Drawing& drawing) {
    return warningPhrase(frameFacts(drawing));
}

std::string drawingChanges(const Drawing& before, const Drawing& after) {
    const NumberWords was = numberWords(before);
    const NumberWords is = numberWords(after);
    std::vector<std::string> said;
    for (const std::string NumberWords::*number :
         {&NumberWords::waves, &NumberWords::amplitude, &NumberWords::steps, &NumberWords::zoom}) {
        if (was.*number != is.*number) said.push_back(is.*number);
    }
    const std::string move = curveMove(before, after);
    if (!move.empty()) {
        said.push_back(move);
    } else {
        for (int k = 0; k < 4; ++k) {
            if (was.corners[k] != is.corners[k]) said.push_back("P" + std::to_string(k) + " moved to " + is.corners[k]);
        }
    }
    const FrameFacts then = frameFacts(before);
    const FrameFacts now = frameFacts(after);
    if (then.markerCount != now.markerCount) {
        said.push_back(now.markerCount == 0 ? "no marker points"
                                            : counted(now.markerCount, "marker point", "marker points"));
    }
    if (then.warnedAt != now.warnedAt) {
        said.push_back(now.warnedAt.empty() ? "the warning stopped" : warningPhrase(now));
    }
    return joined(said);
}
