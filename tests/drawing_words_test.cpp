// drawing_words_test.cpp: the drawing's description and announcements, sentence for sentence.
#include <gtest/gtest.h>

#include <string>

#include "app/drawing_link.h"
#include "app/drawing_words.h"

namespace {

Drawing drawing(const std::string& link) {
    const DrawingReading reading = readDrawing(link);
    EXPECT_TRUE(reading.ok) << link << ": " << reading.problem;
    return reading.drawing;
}

// Whether the text holds the sentence whole, from its first word to its full stop.
bool holdsSentence(const std::string& text, const std::string& sentence) {
    return (" " + text + " ").find(" " + sentence + " ") != std::string::npos;
}

const std::string P1_ON_P0 = "p=-0.3,0,-0.3,0,0.1,0.4,0.3,0";
const std::string LOOP = "p=-0.3,0,0.5,0.4,-0.5,0.4,0.3,0&a=0";
const std::string MARKERS = "p=-0.3,0,-0.1,0.4,0.1,0.4,0.3,0&n=12&a=0.30000000000000016&s=512&z=2";

}  // namespace

// The whole description of the start-up drawing; of others, each sentence that tells them apart.
// With amplitude 0 the wave is the curve, so its one marker point is the loop's crossing. The
// marker points are those the frame draws, divided by the zoom.
TEST(DrawingWords, DescriptionSaysShapeCornersOutsideMarkersAndWarning) {
    EXPECT_EQ(drawingDescription(startDrawing()),
              "A green cubic Bézier curve from P0 (-0.30, 0.00) to P3 (0.30, 0.00), its inner corners P1 (-0.10, 0.40) "
              "and P2 (0.10, 0.40), with a yellow wave curve along it: 10 half-waves, amplitude 0.10, 100 steps, zoom "
              "2.00. The curve is an arch. No marker points where the wave crosses itself.");
    struct Case {
        std::string link;
        const char* sentence;
    };
    const Case cases[] = {
        {"p=-0.3,0,0.3,0.4,-0.3,0.4,0.3,0&a=0", "The curve has a cusp at (0.00, 0.30)."},
        {"p=-0.3,0,0.5,0,-0.5,0,0.3,0&a=0", "The curve has cusps at (0.03, 0.00) and (-0.03, 0.00)."},
        {LOOP, "The curve has a loop, crossing itself at (0.00, 0.20)."},
        {"p=0,0,-0.3,0.4,0.3,0.4,0,0", "The curve has a loop, crossing itself at (0.00, 0.00)."},
        // Within 1e-9 times the polygon's size (0.6) of the line is on it; rounding is.
        {"p=-0.3,0,-0.1,5e-10,0.1,5e-10,0.3,0", "The curve is a straight line."},
        {"p=0,0,0.1,0.1,0.2,0.2,0.3,0.3", "The curve is a straight line."},
        {"p=-0.3,0,-0.1,7e-10,0.1,7e-10,0.3,0", "The curve is an arch."},
        // Still at t = 0 is no cusp, and the curvature keeps its sign through its double zero there.
        {P1_ON_P0, "The curve is an arch."},
        {"p=-0.3,0,-0.1,0.4,0.1,-0.4,0.3,0", "The curve is an S-bend, turning at t = 0.50 (0.00, 0.00)."},
        {"p=-0.3,0,0.1,0.4,-0.1,0.4,0.3,0",
         "The curve is an S-bend, turning at t = 0.21 (-0.12, 0.20) and at t = 0.79 (0.12, 0.20)."},
        {"p=0.1,0.1,0.1,0.1,0.1,0.1,0.1,0.1", "The curve is a single point."},
        // Outside when the drawn coordinate, times the zoom, is beyond 1.
        {"p=-0.51,0.1,-0.1,0.4,0.1,0.4,0.3,0&z=2.15", "P0 lies outside the drawing at this zoom."},
        {"z=3", "P1 and P2 lie outside the drawing at this zoom."},
        {"p=-0.3,0,-0.1,0.4,0.1,0.4,0.2,0&z=3.5", "P0, P1 and P2 lie outside the drawing at this zoom."},
        {"z=5", "All four corners lie outside the drawing at this zoom."},
        {LOOP, "1 marker point where the wave crosses itself: (0.00, 0.20)."},
        {P1_ON_P0, "5 marker points where the wave crosses itself: (-0.31, 0.03), (-0.27, 0.07), (-0.24, 0.10), "
                   "(-0.16, 0.18) and (-0.13, 0.21)."},
        {MARKERS, "24 marker points where the wave crosses itself: (-0.03, 0.02), (-0.04, 0.02), (-0.05, 0.03), "
                  "(-0.05, 0.04), (-0.01, 0.10), (-0.01, 0.10) and 18 more."},
        {"n=1&a=1.7e308", "1 marker point where the wave crosses itself: off the window."},
        {P1_ON_P0, "The program warns that the curve has no direction at t = 0.000, as where a corner lies on top of "
                   "its neighbour."},
        {"p=-0.3,0,-0.3,0,0.3,0,0.3,0", "The program warns that the curve has no direction at t = 0.000, 1.000, as "
                                        "where a corner lies on top of its neighbour."},
        // A derivative of 3e-170 is not 0, but its square underflows: the frame warns, and so do the words.
        {"p=0,0,1e-170,0,0.1,0.4,0.3,0", "The program warns that the curve has no direction at t = 0.000, as where "
                                         "a corner lies on top of its neighbour."},
    };
    for (const Case& c : cases) {
        const std::string description = drawingDescription(drawing(c.link));
        EXPECT_TRUE(holdsSentence(description, c.sentence)) << c.link << "\n" << description;
    }
    // On the edge at zoom 2 is inside; a derivative of 3e-150 has a square and gives a direction.
    for (const char* link : {"p=-0.5,-0.5,-0.1,0.4,0.1,0.4,0.5,0.5", "p=0,0,1e-150,0,0.1,0.4,0.3,0"}) {
        const std::string description = drawingDescription(drawing(link));
        EXPECT_EQ(description.find("outside"), std::string::npos) << description;
        EXPECT_EQ(description.find("warns"), std::string::npos) << description;
    }
    EXPECT_EQ(drawingWarning(startDrawing()), "");
    EXPECT_EQ(drawingWarning(drawing(P1_ON_P0)), "the program warns: no direction at t = 0.000");
}

// Each phrase once its words change, in a fixed order; nothing for changes below two decimals.
TEST(DrawingWords, ChangesSayWhatChangedInWords) {
    struct Case {
        std::string before;
        std::string after;
        const char* said;
    };
    const Case cases[] = {
        {"", "n=11", "11 half-waves"},
        {"", "n=1", "1 half-wave"},
        {"", "s=512", "steps 512"},
        {"", "z=2.1", "zoom 2.10"},
        {"", "a=0.101", ""},
        {"", "p=-0.3,0,-0.1,0.4,0.23,0.2,0.3,0", "P2 moved to (0.23, 0.20)"},
        {"", "p=-0.2,0.1,-0.1,0.4,0.1,0.4,0.3,0", "P0 moved to (-0.20, 0.10)"},
        {"", "p=-0.2,0,0,0.4,0.2,0.4,0.4,0", "curve moved right 0.10"},
        {"", "p=-0.4,0.2,-0.2,0.6,0,0.6,0.2,0.2", "curve moved left 0.10 and up 0.20"},
        {"", "p=-0.3,-0.3,-0.1,0.1,0.1,0.1,0.3,-0.3", "curve moved down 0.30"},
        {"", "p=-0.299,0,-0.099,0.4,0.101,0.4,0.301,0", ""},
        {"", MARKERS, "12 half-waves, amplitude 0.30, steps 512, 24 marker points"},
        {MARKERS, "", "10 half-waves, amplitude 0.10, steps 100, no marker points"},
        {"", "p=-0.3,0,-0.1,0.4,0.228,-0.174,0.3,0&z=2.3", "zoom 2.30, P2 moved to (0.23, -0.17), 1 marker point"},
        {"", P1_ON_P0, "P1 moved to (-0.30, 0.00), 5 marker points, the program warns: no direction at t = 0.000"},
        {P1_ON_P0, "", "P1 moved to (-0.10, 0.40), no marker points, the warning stopped"},
        {P1_ON_P0, P1_ON_P0 + "&a=0.11", "amplitude 0.11"},
        {P1_ON_P0, "p=-0.3,0,-0.3,0,0.3,0,0.3,0",
         "P2 moved to (0.30, 0.00), 1 marker point, the program warns: no direction at t = 0.000, 1.000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(drawingChanges(drawing(c.before), drawing(c.after)), c.said) << c.before << " -> " << c.after;
    }
}
