// frame_identity_test.cpp: display against the straightforward frame, recorded through the GL stand-in.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "app/scene_state.h"
#include "render/display.h"
#include "support/gl_recorder.h"
#include "support/reference_frame.h"

namespace {

struct RecordedFrame {
    std::vector<GlCall> calls;
    std::vector<Point2d> wavePolyline;
    std::string output;
};

struct FrameCase {
    const char* name;
    ControlPoints points;
    double waveCount;
    double amplitude;
    double steps;
    double zoom;
};

RecordedFrame record(void (*draw)(), const FrameCase& c) {
    scene = SceneState{};
    scene.controlPoints = c.points;
    scene.waveCount = c.waveCount;
    scene.waveAmplitude = c.amplitude;
    scene.segmentCount = c.steps;
    scene.zoom = c.zoom;
    glRecorder::reset();
    testing::internal::CaptureStdout();
    draw();
    const std::string output = testing::internal::GetCapturedStdout();
    return {glRecorder::calls(), scene.wavePolyline, output};
}

// Every call, argument and wave vertex the same to the bit, and the same warning lines.
void expectSameFrame(const RecordedFrame& fast, const RecordedFrame& reference, const char* name) {
    ASSERT_EQ(fast.calls.size(), reference.calls.size()) << name;
    for (std::size_t k = 0; k < fast.calls.size(); ++k) {
        ASSERT_EQ(fast.calls[k].function, reference.calls[k].function) << name << ", call " << k;
        ASSERT_EQ(std::memcmp(fast.calls[k].args.data(), reference.calls[k].args.data(), sizeof(GlCall::args)), 0)
            << name << ", call " << k;
    }
    ASSERT_EQ(fast.wavePolyline.size(), reference.wavePolyline.size()) << name;
    EXPECT_EQ(std::memcmp(fast.wavePolyline.data(), reference.wavePolyline.data(),
                          fast.wavePolyline.size() * sizeof(Point2d)),
              0)
        << name;
    EXPECT_EQ(fast.output, reference.output) << name;
}

}  // namespace

// Start-up, crossing swings, vanishing derivatives, extreme and random curves; frames in a row
// switch resolution, so nothing kept from an earlier frame may leak into the next.
TEST(FrameIdentity, DisplayMatchesStraightforwardFrame) {
    const Point2d p0 = START_CONTROL_POINTS[0];
    const Point2d p3 = START_CONTROL_POINTS[3];
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<FrameCase> cases{
        {"start-up, 100 steps", START_CONTROL_POINTS, 10, 0.1, 100, 2},
        {"start-up, 512 steps", START_CONTROL_POINTS, 10, 0.1, 512, 2},
        {"12 half-waves of 0.3, 100 steps", START_CONTROL_POINTS, 12, 0.3, 100, 2},
        {"12 half-waves of 0.3, 512 steps", START_CONTROL_POINTS, 12, 0.3, 512, 0.7},
        {"P1 on P0", {{p0, p0, {0.1, 0.4}, p3}}, 12, 0.3, 512, 2},
        {"P2 on P3", {{p0, {-0.1, 0.4}, p3, p3}}, 10, 0.1, 100, 2},
        {"all four points equal", {{p0, p0, p0, p0}}, 10, 0.1, 100, 2},
        {"huge coordinates", {{{-3e150, 0}, {-1e150, 4e150}, {1e150, 4e150}, {3e150, 0}}}, 12, 0.3, 100, 5},
        {"tiny coordinates", {{{-3e-300, 0}, {-1e-300, 4e-300}, {1e-300, 4e-300}, {3e-300, 0}}}, 12, 0.3, 100, 5},
        {"an infinite control point", {{p0, {-0.1, inf}, {0.1, 0.4}, p3}}, 12, 0.3, 100, 2},
    };
    std::mt19937_64 rng(6);
    std::uniform_real_distribution<double> coordinate(-0.8, 0.8);
    std::uniform_real_distribution<double> amplitude(-0.5, 0.5);
    for (int k = 0; k < 6; ++k) {
        ControlPoints p;
        for (Point2d& point : p) point = {coordinate(rng), coordinate(rng)};
        cases.push_back({"random control points", p, double(1 + k * 2), amplitude(rng), k % 2 ? 100.0 : 512.0, 1.5});
    }
    for (const FrameCase& c : cases) expectSameFrame(record(display, c), record(referenceDisplay, c), c.name);
}
