// link_fuzzer.cpp: libFuzzer target for the drawing link: any text read, and any twelve raw doubles written.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "app/drawing_link.h"

namespace {

// What the program's own controls keep the scene in.
bool withinControls(const Drawing& d) {
    for (const Point2d& p : d.controlPoints) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
    }
    return std::isfinite(d.waveAmplitude) && d.waveCount >= 1 && d.waveCount <= 12 &&
           d.waveCount == std::floor(d.waveCount) && (d.segmentCount == 100 || d.segmentCount == 512) &&
           d.zoom >= 0.1 && d.zoom <= 5;
}

// A refusal is a printable clause, short enough for a status line.
bool sayable(const std::string& problem) {
    if (problem.empty() || problem.size() > 200) return false;
    for (const char c : problem) {
        if (c < 0x20 || c > 0x7e) return false;
    }
    return true;
}

// The drawing's own text reads back to the drawing, bit for bit.
void checkWrittenBack(const Drawing& drawing, const char* origin) {
    const std::string text = drawingText(drawing);
    const DrawingReading again = readDrawing(text);
    if (again.ok && sameDrawing(again.drawing, drawing)) return;
    std::fprintf(stderr, "%s drawing written as '%s' reads back %s%s\n", origin, text.c_str(),
                 again.ok ? "as another drawing" : "refused: ", again.problem.c_str());
    std::abort();
}

double finiteOr(double value, double fallback) {
    return std::isfinite(value) ? value : fallback;
}

// Twelve raw doubles made into a drawing the controls could hold: P0x..P3y, half-waves, amplitude,
// steps and zoom, each forced into its range the way that keeps the most of its bits.
Drawing rawDrawing(const std::uint8_t* data) {
    double v[12];
    std::memcpy(v, data, sizeof v);
    std::uint64_t bits[12];
    std::memcpy(bits, data, sizeof bits);
    Drawing d{};
    for (int k = 0; k < 4; ++k) d.controlPoints[k] = {finiteOr(v[2 * k], 0), finiteOr(v[2 * k + 1], 0)};
    d.waveCount = static_cast<double>(1 + bits[8] % 12);
    d.waveAmplitude = finiteOr(v[9], 0);
    d.segmentCount = bits[10] % 2 == 0 ? 100 : 512;
    d.zoom = std::isnan(v[11]) ? 2 : std::fmin(std::fmax(v[11], 0.1), 5.0);
    return d;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const DrawingReading reading = readDrawing(text);
    if (reading.ok) {
        if (!withinControls(reading.drawing)) {
            std::fprintf(stderr, "accepted a drawing outside the controls' range: %s\n", drawingText(reading.drawing).c_str());
            std::abort();
        }
        checkWrittenBack(reading.drawing, "an accepted");
    } else if (!sayable(reading.problem)) {
        std::fprintf(stderr, "refusal not fit to show: '%s'\n", reading.problem.c_str());
        std::abort();
    }
    if (size >= 12 * sizeof(double)) checkWrittenBack(rawDrawing(data), "a raw");
    return 0;
}
