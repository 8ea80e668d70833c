// display_test.cpp: the frame's passes recorded through the GL stand-in: order, colours, vertices.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/scene_state.h"
#include "render/display.h"
#include "support/allocation_counter.h"
#include "support/gl_recorder.h"

namespace {

// The recorded calls with each run of glVertex2f folded into one "Nv" entry.
std::vector<std::string> callOutline() {
    std::vector<std::string> outline;
    int vertices = 0;
    auto flush = [&] {
        if (vertices > 0) outline.push_back(std::to_string(vertices) + "v");
        vertices = 0;
    };
    for (const GlCall& c : glRecorder::calls()) {
        if (c.function == GlFunction::Vertex2f) {
            ++vertices;
            continue;
        }
        flush();
        auto arg = [&](int k) { return std::to_string(static_cast<int>(c.args[k])); };
        switch (c.function) {
            case GlFunction::Clear: outline.push_back("clear " + arg(0)); break;
            case GlFunction::LineWidth: outline.push_back("width " + arg(0)); break;
            case GlFunction::PointSize: outline.push_back("size " + arg(0)); break;
            case GlFunction::Color3f: outline.push_back("color " + arg(0) + arg(1) + arg(2)); break;
            case GlFunction::Begin: outline.push_back("begin " + arg(0)); break;
            case GlFunction::End: outline.push_back("end"); break;
            case GlFunction::SwapBuffers: outline.push_back("swap"); break;
            default: outline.push_back("other"); break;
        }
    }
    flush();
    return outline;
}

void drawFrame() {
    glRecorder::reset();
    display();
}

std::array<float, 2> drawn(const Point2d& p, double zoom) {
    return {static_cast<float>(p.x * zoom), static_cast<float>(p.y * zoom)};
}

class DisplayTest : public testing::Test {
protected:
    void SetUp() override { scene = SceneState{}; }
};

}  // namespace

// The whole call stream of a start-up frame at both resolutions.
TEST_F(DisplayTest, CallSequenceOfAFrame) {
    const std::string lines = std::to_string(GL_LINES), points = std::to_string(GL_POINTS);
    const std::string clear = "clear " + std::to_string(GL_COLOR_BUFFER_BIT);
    for (double steps : {100.0, 512.0}) {
        scene.segmentCount = steps;
        drawFrame();
        const std::string curve = std::to_string(2 * static_cast<int>(steps)) + "v";
        const std::vector<std::string> expected{
            clear, "width 2", "color 010", "begin " + lines, curve, "end",
            "color 001", "begin " + lines, "6v", "end",
            "color 110", "width 2", "begin " + lines, curve, "end",
            "color 101", "size 3", "begin " + points, "end", "swap"};
        EXPECT_EQ(callOutline(), expected) << steps << " steps";
        EXPECT_EQ(scene.parameterStep, 1 / steps);
        EXPECT_EQ(scene.wavePolyline.size(), static_cast<std::size_t>(steps) + 1);
    }
}

// Vertices are products formed in double and rounded once; 2.7 is a zoom where rounding
// the coordinate to float before the product would give other bits.
TEST_F(DisplayTest, VerticesFollowTheCurvesAndTheVertexRule) {
    scene.zoom = 2.7;
    drawFrame();
    const ControlPoints& p = scene.controlPoints;
    const auto curve = glRecorder::verticesOfPrimitive(0);
    const auto polygon = glRecorder::verticesOfPrimitive(1);
    const auto wave = glRecorder::verticesOfPrimitive(2);

    // The curve runs from exactly P0 to exactly P3, each sample from u to t.
    EXPECT_EQ(curve.front(), drawn(p[0], 2.7));
    EXPECT_EQ(curve.back(), drawn(p[3], 2.7));
    EXPECT_EQ(curve[51], drawn(bezierPoint(p, 26 / 100.0), 2.7));
    EXPECT_EQ(polygon, (std::vector<std::array<float, 2>>{drawn(p[0], 2.7), drawn(p[1], 2.7), drawn(p[1], 2.7),
                                                          drawn(p[2], 2.7), drawn(p[2], 2.7), drawn(p[3], 2.7)}));

    // The wave polyline holds the start of every sample, then the last end; the drawn
    // wave pairs are those points scaled.
    const std::vector<Point2d>& w = scene.wavePolyline;
    ASSERT_EQ(w.size(), 101u);
    EXPECT_EQ(w.front().x, p[0].x);
    EXPECT_EQ(w.front().y, p[0].y);
    EXPECT_NEAR(w.back().x, p[3].x, 1e-15);
    EXPECT_NEAR(w.back().y, p[3].y, 1e-15);
    for (std::size_t k = 0; k < 100; ++k) EXPECT_EQ(wave[2 * k], drawn(w[k], 2.7)) << k;
    EXPECT_EQ(wave.back(), drawn(w.back(), 2.7));
}

// After the first frame at a resolution, refilling the wave polyline allocates nothing,
// even when the resolution drops and comes back.
TEST_F(DisplayTest, RefillKeepsStorage) {
    scene.segmentCount = 512;
    drawFrame();
    const Point2d* storage = scene.wavePolyline.data();
    const std::size_t before = allocationCount();
    drawFrame();
    scene.segmentCount = 100;
    drawFrame();
    scene.segmentCount = 512;
    drawFrame();
    EXPECT_EQ(allocationCount(), before);
    EXPECT_EQ(scene.wavePolyline.data(), storage);
}

// A vanishing derivative: the sentinel is drawn and stored like any other wave point,
// with one warning line per evaluation at such a parameter, u before t.
TEST_F(DisplayTest, VanishingDerivativeDrawsAndStoresTheSentinel) {
    struct Case {
        const char* name;
        ControlPoints points;
        std::size_t sentinelIndex;  // in wavePolyline; 101 means every point
        std::size_t warningLines;
        const char* firstShown;
        const char* lastShown;
    };
    const Case cases[] = {
        {"P0 = P1", {{{-0.3, 0.0}, {-0.3, 0.0}, {0.1, 0.4}, {0.3, 0.0}}}, 0, 1, "0.000", "0.000"},
        {"P2 = P3", {{{-0.3, 0.0}, {-0.1, 0.4}, {0.3, 0.0}, {0.3, 0.0}}}, 100, 1, "1.000", "1.000"},
        {"all equal", {{{0.1, 0.1}, {0.1, 0.1}, {0.1, 0.1}, {0.1, 0.1}}}, 101, 200, "0.000", "1.000"},
    };
    for (const Case& c : cases) {
        scene.controlPoints = c.points;
        testing::internal::CaptureStdout();
        drawFrame();
        const std::string out = testing::internal::GetCapturedStdout();
        const std::string first = std::string("warning : t = ") + c.firstShown + ", derivative vector is (0,0)\n";
        const std::string last = std::string("warning : t = ") + c.lastShown + ", derivative vector is (0,0)\n";
        EXPECT_EQ(static_cast<std::size_t>(std::count(out.begin(), out.end(), '\n')), c.warningLines) << c.name;
        ASSERT_GE(out.size(), first.size()) << c.name;
        EXPECT_EQ(out.substr(0, first.size()), first) << c.name;
        EXPECT_EQ(out.substr(out.size() - last.size()), last) << c.name;

        const std::vector<Point2d>& w = scene.wavePolyline;
        ASSERT_EQ(w.size(), 101u);
        for (std::size_t k = 0; k < w.size(); ++k) {
            const bool sentinel = c.sentinelIndex == 101 || k == c.sentinelIndex;
            EXPECT_EQ(w[k].x == 100.0 && w[k].y == 100.0, sentinel) << c.name << " point " << k;
        }
        const auto wave = glRecorder::verticesOfPrimitive(2);
        const std::size_t drawnIndex = c.sentinelIndex == 100 ? wave.size() - 1 : 0;
        EXPECT_EQ(wave[drawnIndex], (std::array<float, 2>{200.0f, 200.0f})) << c.name;
    }
}
