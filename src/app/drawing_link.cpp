// drawing_link.cpp: writing a drawing as link text and reading it back, refusing what the controls never hold.
#include "app/drawing_link.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "app/link_text.h"

namespace {

constexpr std::size_t MAX_ADDRESS_LENGTH = 2000;

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// An exponent as short as it can be: "1e+300" -> "1e300", "1e-05" -> "1e-5".
std::string tidyExponent(std::string text) {
    const std::size_t e = text.find('e');
    if (e == std::string::npos) return text;
    std::size_t digits = e + 1;
    if (text[digits] == '+') {
        text.erase(digits, 1);
    } else if (text[digits] == '-') {
        ++digits;
    }
    while (digits + 1 < text.size() && text[digits] == '0') text.erase(digits, 1);
    return text;
}

// The fewest significant digits (1..17) that read back to the same bits. std::to_chars would do it,
// but Emscripten's library lacks it for double; strtod rounds correctly on both builds.
std::string shortestNumber(double value) {
    char text[32];
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, value);
        if (sameBits(std::strtod(text, nullptr), value)) break;
    }
    std::string written = tidyExponent(text);
    // %g turns whole numbers with trailing zeros into exponents ("1e+01" for 10); the same digits
    // padded with zeros are kept where they are no longer, so the steps read "100" and the half-waves "10".
    const std::size_t e = written.find('e');
    if (e != std::string::npos && written[e + 1] != '-') {
        std::string plain;
        for (std::size_t k = 0; k < e; ++k) {
            if (written[k] != '.') plain += written[k];
        }
        const std::size_t digitCount = plain.size() - (plain[0] == '-' ? 1 : 0);
        // %g writes an exponent only when it is at least the digit count, so at least one zero follows.
        const std::size_t zeros = std::strtoul(written.c_str() + e + 1, nullptr, 10) + 1 - digitCount;
        if (plain.size() + zeros <= written.size()) written = plain + std::string(zeros, '0');
    }
    return written;
}

// "http://", "https://", "file://": letters, then "://".
bool startsWithScheme(std::string_view address) {
    std::size_t letters = 0;
    while (letters < address.size() && ((address[letters] >= 'a' && address[letters] <= 'z') ||
                                         (address[letters] >= 'A' && address[letters] <= 'Z')))
        ++letters;
    return letters > 0 && address.substr(letters, 3) == "://";
}

std::size_t skipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
    return at;
}

// Optional sign, digits with an optional fraction, an optional exponent: nothing strtod would
// also take beyond that (spaces, hex, "inf", "nan").
bool plainDecimal(std::string_view text) {
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    const std::size_t integerEnd = skipDigits(text, at);
    std::size_t end = integerEnd;
    if (end < text.size() && text[end] == '.') end = skipDigits(text, end + 1);
    const std::size_t mantissaDigits = end - at - (end > integerEnd ? 1 : 0);
    if (mantissaDigits == 0) return false;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
        end = skipDigits(text, exponent);
        if (end == exponent) return false;
    }
    return end == text.size();
}

// One part of the link: its letter, and how a refusal names it.
struct Part {
    char letter;
    const char* name;
};
constexpr std::array<Part, 5> PARTS{{
    {'p', "the control points"}, {'n', "the half-waves"}, {'a', "the amplitude"}, {'s', "the steps"},
    {'z', "the zoom"},
}};

std::string partLabel(const Part& part) {
    return std::string("the part ") + part.letter + "= (" + part.name + ")";
}

// Reads one number of a part; on refusal, says why in `problem`. `name` says what the number is.
bool readNumber(std::string_view text, const std::string& name, double& value, std::string& problem) {
    if (!plainDecimal(text)) {
        problem = name + " must be a plain decimal number, not " + quoted(text);
        return false;
    }
    value = std::strtod(std::string(text).c_str(), nullptr);
    // Only overflow gets here (1e400): underflow gives a finite number, kept as read.
    if (!std::isfinite(value)) {
        problem = name + " must be a finite number, not " + quoted(text);
        return false;
    }
    return true;
}

bool readControlPoints(std::string_view text, ControlPoints& points, std::string& problem) {
    std::array<std::string_view, 8> numbers;
    std::size_t count = 0;
    while (true) {
        const std::size_t comma = text.find(',');
        if (count < numbers.size()) numbers[count] = text.substr(0, comma);
        ++count;
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    if (count != numbers.size()) {
        problem = "the control points must be 8 numbers separated by commas (P0x,P0y,...,P3y), not " +
                  std::to_string(count);
        return false;
    }
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        const std::string name = "the control point P" + std::to_string(k / 2) + (k % 2 == 0 ? "x" : "y");
        double& coordinate = k % 2 == 0 ? points[k / 2].x : points[k / 2].y;
        if (!readNumber(numbers[k], name, coordinate, problem)) return false;
    }
    return true;
}

bool readPart(char letter, std::string_view text, Drawing& drawing, std::string& problem) {
    switch (letter) {
    case 'p':
        return readControlPoints(text, drawing.controlPoints, problem);
    case 'n':
        if (!readNumber(text, "the half-waves", drawing.waveCount, problem)) return false;
        if (drawing.waveCount >= 1 && drawing.waveCount <= 12 && drawing.waveCount == std::floor(drawing.waveCount))
            return true;
        problem = "the half-waves must be a whole number from 1 to 12, not " + quoted(text);
        return false;
    case 'a':
        return readNumber(text, "the amplitude", drawing.waveAmplitude, problem);
    case 's':
        if (!readNumber(text, "the steps", drawing.segmentCount, problem)) return false;
        if (drawing.segmentCount == LOW_RESOLUTION || drawing.segmentCount == HIGH_RESOLUTION) return true;
        problem = "the steps must be 100 or 512, not " + quoted(text);
        return false;
    default:
        if (!readNumber(text, "the zoom", drawing.zoom, problem)) return false;
        if (drawing.zoom >= ZOOM_MIN && drawing.zoom <= ZOOM_MAX) return true;
        problem = "the zoom must be from 0.1 to 5, not " + quoted(text);
        return false;
    }
}

DrawingReading refusal(std::string problem) {
    DrawingReading reading;
    reading.problem = std::move(problem);
    return reading;
}

// The parts of a decoded fragment ("n=12&a=0.3"), each read once; parts left out keep the
// start-up drawing's values.
DrawingReading readFragment(std::string_view text) {
    DrawingReading reading;
    reading.drawing = startDrawing();
    std::string_view rest = text;
    std::array<bool, PARTS.size()> seen{};
    std::string problem;
    while (true) {
        const std::size_t ampersand = rest.find('&');
        const std::string_view piece = rest.substr(0, ampersand);
        if (piece.empty()) return refusal("the drawing has an empty part (two '&' together, or one at an end)");
        const std::size_t equals = piece.find('=');
        const std::string_view letter = piece.substr(0, equals);
        std::size_t index = 0;
        while (index < PARTS.size() && !(letter.size() == 1 && letter[0] == PARTS[index].letter)) ++index;
        if (equals == std::string_view::npos || index == PARTS.size()) {
            return refusal(quoted(piece) + " is not a part of a drawing, which has p=, n=, a=, s= and z=");
        }
        if (seen[index]) return refusal(partLabel(PARTS[index]) + " is given twice");
        seen[index] = true;
        if (!readPart(PARTS[index].letter, piece.substr(equals + 1), reading.drawing, problem)) return refusal(problem);
        if (ampersand == std::string_view::npos) break;
        rest.remove_prefix(ampersand + 1);
    }
    reading.ok = true;
    return reading;
}

// Reads the address with its fragment decoded once, and with the slips of passing it on mended
// when `mend`. A text that the mends leave empty names no drawing.
DrawingReading readAddress(std::string_view address, bool mend) {
    const DrawingReading startUp{true, startDrawing(), {}};
    const std::size_t hash = address.find('#');
    // The start-up drawing's own address has no fragment.
    if (hash == std::string_view::npos && startsWithScheme(address)) return startUp;
    std::string text, problem;
    if (!decodePercents(hash == std::string_view::npos ? address : address.substr(hash + 1), text, problem))
        return refusal(problem);
    if (mend) {
        text = mendedLink(text);
        if (hash == std::string_view::npos && startsWithScheme(text)) return startUp;
        if (text.empty()) return refusal("no drawing is named");
    }
    return text.empty() ? startUp : readFragment(text);
}

}  // namespace

Drawing startDrawing() {
    return drawingOf(SceneState{});
}

Drawing drawingOf(const SceneState& state) {
    return {state.controlPoints, state.waveCount, state.waveAmplitude, state.segmentCount, state.zoom};
}

void applyDrawing(const Drawing& drawing, SceneState& state) {
    state.controlPoints = drawing.controlPoints;
    state.waveCount = drawing.waveCount;
    state.waveAmplitude = drawing.waveAmplitude;
    state.segmentCount = drawing.segmentCount;
    state.zoom = drawing.zoom;
}

bool sameDrawing(const Drawing& a, const Drawing& b) {
    for (int k = 0; k < 4; ++k) {
        if (!sameBits(a.controlPoints[k].x, b.controlPoints[k].x) || !sameBits(a.controlPoints[k].y, b.controlPoints[k].y))
            return false;
    }
    return sameBits(a.waveCount, b.waveCount) && sameBits(a.waveAmplitude, b.waveAmplitude) &&
           sameBits(a.segmentCount, b.segmentCount) && sameBits(a.zoom, b.zoom);
}

std::string drawingText(const Drawing& drawing) {
    std::string text = "p=";
    for (int k = 0; k < 4; ++k) {
        if (k > 0) text += ',';
        text += shortestNumber(drawing.controlPoints[k].x) + ',' + shortestNumber(drawing.controlPoints[k].y);
    }
    return text + "&n=" + shortestNumber(drawing.waveCount) + "&a=" + shortestNumber(drawing.waveAmplitude) +
           "&s=" + shortestNumber(drawing.segmentCount) + "&z=" + shortestNumber(drawing.zoom);
}

DrawingReading readDrawing(std::string_view address) {
    if (address.size() > MAX_ADDRESS_LENGTH) {
        return refusal("the address is " + std::to_string(address.size()) + " characters long, more than the " +
                       std::to_string(MAX_ADDRESS_LENGTH) + " a drawing's address may have");
    }
    // Whatever reads as given keeps its meaning; a refusal names what was given, not what was mended.
    const DrawingReading asGiven = readAddress(address, false);
    if (asGiven.ok) return asGiven;
    const DrawingReading mended = readAddress(address, true);
    return mended.ok ? mended : asGiven;
}
