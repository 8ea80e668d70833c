// drawing_link_test.cpp: link text of a drawing: exact round trips and every kind of refusal.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <utility>

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

// Any finite double, drawn by its bits, or one of the values a link must carry exactly.
double anyFinite(std::mt19937_64& random) {
    constexpr double SPECIAL[] = {-0.0, std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::max()};
    if (random() % 4 == 0) return SPECIAL[random() % std::size(SPECIAL)];
    double value = std::numeric_limits<double>::infinity();
    while (!std::isfinite(value)) {
        const std::uint64_t bits = random();
        std::memcpy(&value, &bits, sizeof value);
    }
    return value;
}

}  // namespace

// The start-up drawing's text, in the fewest digits, and the address forms and orders it is read from.
TEST(DrawingLink, StartUpTextFromAnyAddress) {
    EXPECT_EQ(drawingText(startDrawing()), START_TEXT);
    // The start-up drawing's own addresses have no fragment or an empty one; commas, equals signs and
    // ampersands, or the whole fragment, percent-encoded by a mail program read as themselves, and so
    // do addresses quoted in a sentence.
    for (const std::string& address : {"#" + START_TEXT, "https://example.org/quillmark/#" + START_TEXT,
                                       std::string("z=2&s=100&a=0.1&n=10&p=-0.3,0,-0.1,0.4,0.1,0.4,0.3,0"),
                                       withPart('z', "+.2e+1"), std::string(), std::string("#"),
                                       std::string("http://127.0.0.1:8080/"), std::string("https://example.org/#"),
                                       std::string("FILE:///site/index.html"), std::string("<http://127.0.0.1:8080/>."),
                                       "\"https://example.org/#" + START_TEXT + "\",",
                                       std::string("P=-0.3,0,-0.1,0.4,0.1,0.4,0.3,0&N=10&A=0.1&S=100&Z=2"),
                                       std::string("#p%3D-0.3%2c0%2C-0.1,0.4,0.1,0.4,0.3,0%26n=10&a=0.1&s=100&z=2"),
                                       std::string("p%3D%2D0%2E3%2C0%2C%2D0%2E1%2C0%2E4%2C0%2E1%2C0%2E4%2C0%2E3%2C0%26n%3D1"
                                                   "0%26a%3D0%2E1%26s%3D100%26z%3D2")}) {
        const DrawingReading reading = readDrawing(address);
        EXPECT_TRUE(reading.ok && sameDrawing(reading.drawing, startDrawing())) << address << ": " << reading.problem;
    }
    // The limits the controls reach are taken; -0 is not 0 to the bit.
    for (const std::string& edge : {withPart('z', "0.1"), withPart('z', "5"), withPart('n', "12.0")}) {
        EXPECT_TRUE(readDrawing(edge).ok) << edge;
    }
    Drawing negativeZero = startDrawing();
    negativeZero.controlPoints[0].y = -0.0;
    EXPECT_FALSE(sameDrawing(negativeZero, startDrawing()));
}

// Parts a link leaves out keep their start-up values; '+' is a sign, and the text is decoded once only.
// A link passed on in a sentence, a mail or a page's source reads as the link itself: each mend.
TEST(DrawingLink, PartialAndPassedOnLinksKeepTheStartUpValues) {
    Drawing expected = startDrawing();
    expected.waveCount = 12;
    expected.waveAmplitude = 0.3;
    for (const char* address : {"#n=12&a=0.3", "https://example.org/#a=%2B0.3&n%3D12", "a=+.3&n=12",
                                "n=12&a=0.3.", "(https://example.org/#n=12&a=0.3),", "<n=12&a=0.3>", "'n=12&a=0.3'!",
                                "#\"n=12&a=0.3.\"", " \t#n=12&a=0.3 \r\n", "#n=1 \r\n  2&a=0.\n3",
                                "n=12 &amp; a=0.3", "n=12\t&\ta=0.3", "N=12&A=0.3", "n=12%20%26%20a=0.3%2E"}) {
        const DrawingReading reading = readDrawing(address);
        EXPECT_TRUE(reading.ok && sameDrawing(reading.drawing, expected)) << address << ": " << reading.problem;
    }
}

// Random drawings over every finite coordinate and amplitude read back to the bit.
TEST(DrawingLink, RandomDrawingsRoundTrip) {
    std::mt19937_64 random(18);
    for (int round = 0; round < 5000; ++round) {
        Drawing drawing{};
        for (Point2d& p : drawing.controlPoints) p = {anyFinite(random), anyFinite(random)};
        drawing.waveAmplitude = anyFinite(random);
        drawing.waveCount = static_cast<double>(1 + random() % 12);
        drawing.segmentCount = random() % 2 == 0 ? 100 : 512;
        drawing.zoom = std::uniform_real_distribution<double>(0.1, 5.0)(random);
        const DrawingReading reading = readDrawing(drawingText(drawing));
        ASSERT_TRUE(reading.ok && sameDrawing(reading.drawing, drawing)) << drawingText(drawing) << ": " << reading.problem;
    }
}

// Each refusal names what it could not use, quoting the decoded text in a clause safe for a terminal.
TEST(DrawingLink, BadAddressesAreRefusedInWords) {
    const std::string longest = withPart('z', "2." + std::string(2000 - START_TEXT.size() - 1, '0'));
    ASSERT_TRUE(readDrawing(longest).ok);
    const std::string fullWidthOne = "\xef\xbc\x91";  // U+FF11, as a phone's keyboard may type "1"
    const auto times = [](int count, const std::string& text) {
        std::string repeated;
        while (count-- > 0) repeated += text;
        return repeated;
    };
    const std::pair<std::string, std::string> cases[] = {
        {longest + "0", "2001 characters"},
        {longest.substr(0, longest.size() - 1) + "%30", "is 2002 characters"},
        {START_TEXT + "&n=10", "n= (the half-waves) is given twice"},
        {START_TEXT + "&q=1", "'q=1' is not a part"},
        {"localhost:8080/", "'localhost:8080/' is not a part"},
        {"controls", "'controls' is not a part"},
        {withPart('p', "0,0,0,0,0,0,0"), "8 numbers"},
        {withPart('p', "0,0,0,0,0,0,0,0,0"), "8 numbers separated by commas (P0x,P0y,...,P3y), not 9"},
        {withPart('p', "0,0,0,nan,0,0,0,0"), "P1y must be a plain decimal number"},
        {withPart('p', "0,0,0,0,1e999,0,0,0"), "P2x must be a finite number, not '1e999'"},
        {withPart('a', "0x1p-3"), "the amplitude must be a plain decimal number"},
        {withPart('a', "-inf"), "the amplitude must be a plain decimal number"},
        {withPart('a', ""), "the amplitude must be a plain decimal number, not ''"},
        {withPart('z', "."), "the zoom must be a plain decimal number, not '.'"},
        {withPart('n', "e1"), "the half-waves must be a plain decimal number, not 'e1'"},
        {withPart('n', "2.5"), "the half-waves must be a whole number from 1 to 12"},
        {withPart('n', "13"), "the half-waves must be a whole number from 1 to 12, not '13'"},
        {withPart('s', "200"), "the steps must be 100 or 512, not '200'"},
        {withPart('z', "0.09999999999999999"), "the zoom must be from 0.1 to 5"},
        // Encodings that do not decode, named as given; what does decode is quoted decoded, once.
        {"n=%G1", "'%G1' is not a character written as % and two hexadecimal digits"},
        {"n=1%", "'%' is not a character written as %"},
        {"#n=%4", "'%4' is not a character written as %"},
        // Still refused after the mends, and named as given: space inside a number, what the mends
        // leave empty, an opening bracket with no partner, "&amp;" read once.
        {"n=%2012%20", "not ' 12 '"},
        {"n=1 2", "not '1 2'"},
        {" . ", "' . ' is not a part"},
        {"[n=12]", "'[n=12]' is not a part"},
        {"(n=13).", "'(n=13).' is not a part"},
        {"n=12&amp;amp;a=0.3", "'amp;amp;a=0.3' is not a part"},
        {"n%253D12", "'n%3D12' is not a part"},
        {"n=%EF%BC%91%ef%bc%92", "not '" + fullWidthOne + "\xef\xbc\x92'"},
        {"n=" + times(45, "%EF%BC%91"), "not '" + times(40, fullWidthOne) + "...'"},
        // Control characters (C0, DEL, C1) and bytes of no UTF-8 character as '?'.
        {withPart('z', "\x1b[2J" + std::string(60, '9')), "not '?[2J999"},
        {"n=%1B%7F%C2%9B%C2%A0x", "not '" + std::string(3, '?') + "\xc2\xa0x'"},
        {"n=%FF%C3%C0%AF%ED%A0%80%F4%90%80%80%E2%82", "not '" + std::string(13, '?') + "'"},
    };
    for (const auto& [address, named] : cases) {
        const DrawingReading reading = readDrawing(address);
        EXPECT_FALSE(reading.ok) << address;
        EXPECT_NE(reading.problem.find(named), std::string::npos) << address << ": " << reading.problem;
        for (const char ch : reading.problem) EXPECT_TRUE((ch >= 0x20 && ch != 0x7f) || ch < 0) << reading.problem;
    }
}
