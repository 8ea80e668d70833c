// link_fuzzer.cpp: libFuzzer target for the drawing link: any text read, plain, percent-encoded and
// mended, and any twelve raw doubles written, then passed on with the slips the reader mends.
#include <iconv.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "app/drawing_link.h"
#include "app/link_text.h"

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

// A refusal is a clause of UTF-8 characters, none of them a control character (C0, DEL, C1), short
// enough for a status line. The C library's converter is the judge of UTF-8.
bool sayable(const std::string& problem) {
    if (problem.empty() || problem.size() > 800) return false;
    std::string in = problem;
    char32_t out[800];
    char* inAt = in.data();
    char* outAt = reinterpret_cast<char*>(out);
    std::size_t inLeft = in.size(), outLeft = sizeof out;
    static const iconv_t toCodePoints = iconv_open("UTF-32LE", "UTF-8");
    iconv(toCodePoints, nullptr, nullptr, nullptr, nullptr);
    if (iconv(toCodePoints, &inAt, &inLeft, &outAt, &outLeft) == static_cast<std::size_t>(-1)) return false;
    const std::size_t characters = (sizeof out - outLeft) / sizeof(char32_t);
    for (std::size_t k = 0; k < characters; ++k) {
        if (out[k] < 0x20 || (out[k] >= 0x7f && out[k] < 0xa0)) return false;
    }
    return characters <= 200;
}

// Unless the reading is the drawing, bit for bit, stops the run saying what was read and how.
void expectDrawing(const DrawingReading& reading, const Drawing& drawing, const std::string& what) {
    if (reading.ok && sameDrawing(reading.drawing, drawing)) return;
    std::fprintf(stderr, "%s reads %s%s\n", what.c_str(), reading.ok ? "as " : "refused: ",
                 reading.ok ? drawingText(reading.drawing).c_str() : reading.problem.c_str());
    std::abort();
}

// The drawing's own text reads back to the drawing, bit for bit.
void checkWrittenBack(const Drawing& drawing, const char* origin) {
    const std::string text = drawingText(drawing);
    expectDrawing(readDrawing(text), drawing, std::string(origin) + " drawing written as '" + text + "'");
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

// As mail and chat programs pass a link on: a fragment with every byte but letters and digits
// percent-encoded reads as the fragment itself, with the same refusal.
void checkEncoded(std::string_view fragment) {
    if (fragment.find_first_of("#%") != std::string_view::npos) return;
    std::string encoded = "#";
    for (const char c : fragment) {
        if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            encoded += c;
        } else {
            char escape[4];
            std::snprintf(escape, sizeof escape, encoded.size() % 2 == 0 ? "%%%02X" : "%%%02x", static_cast<unsigned char>(c));
            encoded += escape;
        }
    }
    if (encoded.size() > 2000) return;
    const DrawingReading plain = readDrawing("#" + std::string(fragment)), decoded = readDrawing(encoded);
    if (plain.ok == decoded.ok && plain.problem == decoded.problem && sameDrawing(plain.drawing, decoded.drawing)) return;
    std::fprintf(stderr, "'#%.*s' read %s, encoded as '%s' %s%s\n", static_cast<int>(fragment.size()), fragment.data(),
                 plain.ok ? "as a drawing" : plain.problem.c_str(), encoded.c_str(), decoded.ok ? "as " : "",
                 decoded.ok ? drawingText(decoded.drawing).c_str() : decoded.problem.c_str());
    std::abort();
}

// The mends keep what reads: a text that reads, its fragment mended by hand, reads as the same drawing.
void checkMendsKeepMeaning(std::string_view text, const DrawingReading& reading) {
    if (!reading.ok || text.find('%') != std::string_view::npos) return;
    const std::size_t fragment = text.find('#') == std::string_view::npos ? 0 : text.find('#') + 1;
    const std::string mended = std::string(text.substr(0, fragment)) + mendedLink(text.substr(fragment));
    expectDrawing(readDrawing(mended), reading.drawing, "'" + std::string(text) + "' mended as '" + mended + "'");
}

// A drawing's link passed on as people do, each slip picked by the fuzzer's next byte: quoted or
// bracketed in a sentence, spaced out, wrapped over lines, '&' written as a page's source writes it,
// part names in capitals. It reads as the drawing itself.
void checkPassedOn(const Drawing& drawing, const std::uint8_t* choices, std::size_t count) {
    std::size_t next = 0;
    const auto choose = [&](std::size_t options) { return next < count ? choices[next++] % options : 0; };
    static const char* const AMPERSANDS[] = {"&", " & ", "&amp;", " &amp;\n ", "\t&%20"};
    static const char* const AROUND[][2] = {{"", ""}, {"", "."}, {"(", ")."}, {"<", ">,"},
                                            {"\"", "\""}, {"'", "'!"}, {"", "?)]}>;:"}};
    static const char* const BEFORE[] = {"", "#", "http://127.0.0.1:8080/#", " \t"};
    const std::string plain = drawingText(drawing);
    // A line break with the indent of the next line, anywhere but inside a percent-escape.
    const std::size_t wrapAt = choose(plain.size() + 1);
    std::string text;
    for (std::size_t k = 0; k < plain.size(); ++k) {
        if (k == wrapAt) text += "\r\n  ";
        if (plain[k] == '&') {
            text += AMPERSANDS[choose(std::size(AMPERSANDS))];
        } else {
            text += plain[k + 1] == '=' && choose(2) ? static_cast<char>(plain[k] - 'a' + 'A') : plain[k];
        }
    }
    const auto& around = AROUND[choose(std::size(AROUND))];
    text = BEFORE[choose(std::size(BEFORE))] + (around[0] + text) + around[1] + " \r\n";
    expectDrawing(readDrawing(text), drawing, "'" + plain + "' passed on as '" + text + "'");
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
    checkEncoded(text);
    checkMendsKeepMeaning(text, reading);
    if (size >= 12 * sizeof(double)) {
        const Drawing raw = rawDrawing(data);
        checkWrittenBack(raw, "a raw");
        checkPassedOn(raw, data + 12 * sizeof(double), size - 12 * sizeof(double));
    }
    return 0;
}
