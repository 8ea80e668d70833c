// drawing_link_test.cpp: link text of a drawing: exact round trips, shortest numbers and every refusal.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "app/drawing_link.h"

namespace {

const std::string START_TEXT = "p=-0.3,0,-0.1,0.4,0.1,0.4,0.3,0&n=10&a=0.1&s=100&z=2";

// The start-up text with one part's value replaced, e.g. withPart('z', "7").
std::string withPart(char letter, const std::string& value) {
    std::string text = START_TEXT;
    const std::size_t at = letter == 'p' ? 0 : text.find(std::string("&") + letter + "=") + 1;
    const std::size_t end = text.find('&', at);
    return text.replace(at + 2, end == std::string::npos ? std::string::npos : end - at - 2, value);
}

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Any finite double, drawn by its bits; a share of the special values a link must carry exactly.
double anyFinite(std::mt19937_64& random) {
    constexpr double SPECIAL[] = {0.0, -0.0, std::numeric_limits<double>::denorm_min(), -4.9e-320,
                                  std::numeric_limits<double>::min(), std::numeric_limits<double>::max(),
                                  -std::numeric_limits<double>::max(), 1e-5, 100, 1e21, 123456789012345678.0};
    if (random() % 4 == 0) return SPECIAL[random() % std::size(SPECIAL)];
    while (true) {
        double value;
        const std::uint64_t bits = random();
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value)) return value;
    }
}

// The significant digits of a written number; a plain whole number's trailing zeros hold places only.
int significantDigits(std::string number) {
    const std::size_t exponent = number.find('e');
    if (exponent == std::string::npos && number.find('.') == std::string::npos) {
        while (number.size() > 1 && number.back() == '0') number.pop_back();
    }
    const std::string mantissa = number.substr(0, exponent);
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string::npos) return 1;
    return static_cast<int>(std::count_if(mantissa.begin() + first, mantissa.end(), [](char c) { return c >= '0' && c <= '9'; }));
}

}  // namespace

// The start-up drawing's text, the addresses it is read from, and values at the edges of what the
// format takes, kept exactly as written.
TEST(DrawingLink, StartUpTextAndAcceptedValues) {
    EXPECT_EQ(drawingText(startDrawing()), START_TEXT);
    Drawing negativeZero = startDrawing();
    negativeZero.controlPoints[0].y = -0.0;
    EXPECT_FALSE(sameDrawing(negativeZero, startDrawing())) << "-0 is not 0 to the bit";
    for (const std::string& address : {"#" + START_TEXT, "https://example.org/quillmark/#" + START_TEXT,
                                       std::string("z=2&s=100&a=0.1&n=10&p=-0.3,0,-0.1,0.4,0.1,0.4,0.3,0")}) {
        const DrawingReading reading = readDrawing(address);
        EXPECT_TRUE(reading.ok && sameDrawing(reading.drawing, startDrawing())) << address << ": " << reading.problem;
    }
    struct Case {
        std::string address;
        double Drawing::*field;
        double value;
    };
    for (const Case& c : {Case{withPart('z', "0.1"), &Drawing::zoom, 0.1}, Case{withPart('z', "5"), &Drawing::zoom, 5.0},
                          Case{withPart('z', "+.5e+1"), &Drawing::zoom, 5.0},
                          Case{withPart('n', "12.0"), &Drawing::waveCount, 12.0},
                          Case{withPart('s', "5.12E2"), &Drawing::segmentCount, 512.0},
                          Case{withPart('a', "1e-400"), &Drawing::waveAmplitude, 0.0},
                          Case{withPart('a', "-3."), &Drawing::waveAmplitude, -3.0}}) {
        const DrawingReading reading = readDrawing(c.address);
        ASSERT_TRUE(reading.ok) << c.address << ": " << reading.problem;
        EXPECT_TRUE(sameBits(reading.drawing.*(c.field), c.value)) << c.address;
    }
}

// Random drawings over every finite coordinate and amplitude read back to the bit, each number
// written in the fewest significant digits that read back.
TEST(DrawingLink, RandomDrawingsRoundTripInShortestText) {
    std::mt19937_64 random(18);
    for (int round = 0; round < 5000; ++round) {
        Drawing drawing{};
        for (Point2d& p : drawing.controlPoints) p = {anyFinite(random), anyFinite(random)};
        drawing.waveAmplitude = anyFinite(random);
        drawing.waveCount = static_cast<double>(1 + random() % 12);
        drawing.segmentCount = random() % 2 == 0 ? 100 : 512;
        drawing.zoom = std::uniform_real_distribution<double>(0.1, 5.0)(random);
        const std::string text = drawingText(drawing);
        const DrawingReading reading = readDrawing(text);
        ASSERT_TRUE(reading.ok) << text << ": " << reading.problem;
        ASSERT_TRUE(sameDrawing(reading.drawing, drawing)) << text;

        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = std::min(text.find_first_of(",&", start), text.size());
            const std::string piece = text.substr(start, end - start);
            const std::string number = piece.substr(piece.find('=') + 1);
            const double value = std::strtod(number.c_str(), nullptr);
            const int digits = significantDigits(number);
            if (digits > 1) {
                char fewer[400];
                std::snprintf(fewer, sizeof fewer, "%.*g", digits - 1, value);
                ASSERT_FALSE(sameBits(std::strtod(fewer, nullptr), value)) << number << " could be " << fewer;
            }
            start = end + 1;
        }
    }
}

// Each refusal names what it could not use, in a clause short enough and safe for a terminal.
TEST(DrawingLink, BadAddressesAreRefusedInWords) {
    struct Case {
        std::string address;
        std::string named;
    };
    const std::string longest = withPart('z', "2." + std::string(2000 - START_TEXT.size() - 1, '0'));
    ASSERT_EQ(longest.size(), 2000u);
    ASSERT_TRUE(readDrawing(longest).ok);
    const std::vector<Case> cases{
        {"", "no drawing"},
        {"https://example.org/#", "no drawing"},
        {longest + "0", "2001 characters"},
        {"n=10&a=0.1&s=100&z=2", "p= (the control points) is missing"},
        {"p=-0.3,0,-0.1,0.4,0.1,0.4,0.3,0&n=10&a=0.1&s=100", "z= (the zoom) is missing"},
        {START_TEXT + "&n=10", "n= (the half-waves) is given twice"},
        {START_TEXT + "&q=1", "'q=1' is not a part"},
        {"p&" + START_TEXT, "'p' is not a part"},
        {START_TEXT + "&", "empty part"},
        {withPart('p', "0,0,0,0,0,0,0"), "8 numbers"},
        {withPart('p', "0,0,0,0,0,0,0,"), "P3y must be a plain decimal number, not ''"},
        {withPart('p', "0,0,0,nan,0,0,0,0"), "P1y must be a plain decimal number"},
        {withPart('p', "0,0,0,0,1e999,0,0,0"), "P2x must be a finite number, not '1e999'"},
        {withPart('a', "NaN"), "the amplitude must be a plain decimal number"},
        {withPart('a', "-inf"), "the amplitude must be a plain decimal number"},
        {withPart('a', "1e400"), "the amplitude must be a finite number"},
        {withPart('a', "0x1p-3"), "the amplitude must be a plain decimal number"},
        {withPart('a', " 0.1"), "the amplitude must be a plain decimal number"},
        {withPart('a', ""), "the amplitude must be a plain decimal number"},
        {withPart('a', "1e"), "the amplitude must be a plain decimal number"},
        {withPart('a', "-."), "the amplitude must be a plain decimal number"},
        {withPart('n', "13"), "the half-waves must be a whole number from 1 to 12, not '13'"},
        {withPart('n', "2.5"), "the half-waves must be a whole number from 1 to 12"},
        {withPart('n', "1e400"), "the half-waves must be a finite number"},
        {withPart('s', "200"), "the steps must be 100 or 512, not '200'"},
        {withPart('s', "100.00000000000001"), "the steps must be 100 or 512"},
        {withPart('z', "0.09999999999999999"), "the zoom must be from 0.1 to 5"},
        {withPart('z', "5.000000000000001"), "the zoom must be from 0.1 to 5"},
        {withPart('z', "\x1b[2J" + std::string(60, '9')), "not '?[2J999"},
    };
    for (const Case& c : cases) {
        const DrawingReading reading = readDrawing(c.address);
        EXPECT_FALSE(reading.ok) << c.address;
        EXPECT_NE(reading.problem.find(c.named), std::string::npos) << c.address << ": " << reading.problem;
        EXPECT_LT(reading.problem.size(), 160u) << reading.problem;
        for (const char ch : reading.problem) EXPECT_TRUE(ch >= 0x20 && ch < 0x7f) << reading.problem;
    }
}
