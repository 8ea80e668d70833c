// input_test.cpp: mouse and key handlers on scripted events, with the real GLU on an 800 x 800 view.
#include <gtest/gtest.h>

#include <GL/freeglut.h>

#include <cstring>

#include "app/scene_state.h"
#include "input/keyboard.h"
#include "input/mouse.h"
#include "support/gl_recorder.h"

namespace {

constexpr int LEFT = GLUT_LEFT_BUTTON, MIDDLE = GLUT_MIDDLE_BUTTON, RIGHT = GLUT_RIGHT_BUTTON;
constexpr int DOWN = GLUT_DOWN, UP = GLUT_UP;

// Window pixel where the vertex rule draws p in the 800 x 800 window (y down).
std::array<double, 2> pixelOf(const Point2d& p) {
    return {400 + 400 * (p.x * scene.zoom), 400 - 400 * (p.y * scene.zoom)};
}

bool sameControlPoints(const ControlPoints& a, const ControlPoints& b) {
    return std::memcmp(a.data(), b.data(), sizeof a) == 0;
}

// The fields the handlers may touch, compared bit for bit.
bool sameInteractionState(const SceneState& a, const SceneState& b) {
    return sameControlPoints(a.controlPoints, b.controlPoints) && a.waveCount == b.waveCount &&
           a.waveAmplitude == b.waveAmplitude && a.segmentCount == b.segmentCount && a.zoom == b.zoom &&
           a.selectedPoint == b.selectedPoint && a.lastMouseX == b.lastMouseX && a.lastMouseY == b.lastMouseY &&
           a.zoomDragActive == b.zoomDragActive && a.zoomAnchorY == b.zoomAnchorY;
}

class InputTest : public testing::Test {
protected:
    void SetUp() override {
        scene = SceneState{};
        glRecorder::reset();
    }
};

}  // namespace

// P0 is drawn at pixel (160, 400); the pick radius is just over 12.6 pixels, and a press
// that reaches nothing keeps the selection as it was.
TEST_F(InputTest, PickingRadiusAndMisses) {
    struct Case {
        int x, y;
        int selectedBefore, selectedAfter;
    };
    for (const Case& c : {Case{172, 400, -1, 0}, Case{173, 400, -1, -1}, Case{160, 412, -1, 0},
                          Case{600, 700, -1, -1}, Case{600, 700, 2, 2}, Case{640, 400, 1, 3}}) {
        scene = SceneState{};
        scene.selectedPoint = c.selectedBefore;
        onMouse(LEFT, DOWN, c.x, c.y);
        EXPECT_EQ(scene.selectedPoint, c.selectedAfter) << c.x << "," << c.y;
        EXPECT_EQ(scene.lastMouseX, c.x);
        EXPECT_EQ(scene.lastMouseY, c.y);
    }
}

// The view is read fresh on each press, in a fixed order; a 400-pixel-high viewport
// moves every drawn position, and picking follows it.
TEST_F(InputTest, PickingReadsTheViewEachTime) {
    onMouse(LEFT, DOWN, 160, 400);
    const auto& calls = glRecorder::calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].function, GlFunction::GetDoublev);
    EXPECT_EQ(calls[0].args[0], GL_MODELVIEW_MATRIX);
    EXPECT_EQ(calls[1].args[0], GL_PROJECTION_MATRIX);
    EXPECT_EQ(calls[2].function, GlFunction::GetIntegerv);
    EXPECT_EQ(calls[2].args[0], GL_VIEWPORT);
    EXPECT_EQ(calls[3].function, GlFunction::PostRedisplay);

    // 800 x 400: P0 is drawn at (160, 200) in window y-down pixels.
    glRecorder::reset(800, 400);
    scene.selectedPoint = -1;
    onMouse(LEFT, DOWN, 160, 200);
    EXPECT_EQ(scene.selectedPoint, 0);
}

// Coincident control points: the lower index wins.
TEST_F(InputTest, CoincidentPointsPickTheLowerIndex) {
    scene.controlPoints[2] = scene.controlPoints[3];
    const auto p = pixelOf(scene.controlPoints[3]);
    onMouse(LEFT, DOWN, static_cast<int>(p[0]), static_cast<int>(p[1]));
    EXPECT_EQ(scene.selectedPoint, 2);
}

// A drag of (+40, -20) pixels at zoom 2 moves the point by (+0.05, +0.025) curve units, and at
// every zoom its drawn position follows the pointer pixel for pixel.
TEST_F(InputTest, DraggedPointFollowsThePointer) {
    for (double zoom : {0.1, 1.0, 2.0, 3.7, 5.0}) {
        scene = SceneState{};
        scene.zoom = zoom;
        const Point2d start = scene.controlPoints[1];
        const auto grab = pixelOf(start);
        const int x = static_cast<int>(grab[0]), y = static_cast<int>(grab[1]);
        onMouse(LEFT, DOWN, x, y);
        ASSERT_EQ(scene.selectedPoint, 1) << zoom;
        onMotion(x + 25, y - 5);
        onMotion(x + 40, y - 20);
        const auto now = pixelOf(scene.controlPoints[1]);
        EXPECT_NEAR(now[0] - grab[0], 40, 1e-9) << zoom;
        EXPECT_NEAR(now[1] - grab[1], -20, 1e-9) << zoom;
        if (zoom == 2.0) {
            EXPECT_NEAR(scene.controlPoints[1].x - start.x, 0.05, 1e-15);
            EXPECT_NEAR(scene.controlPoints[1].y - start.y, 0.025, 1e-15);
        }
        onMouse(LEFT, UP, x + 40, y - 20);
        EXPECT_EQ(scene.selectedPoint, -1);
    }
}

// Pointer positions far outside the window are used as reported; the point comes back.
TEST_F(InputTest, DragFarOutsideAndBack) {
    onMouse(LEFT, DOWN, 320, 80);
    ASSERT_EQ(scene.selectedPoint, 1);
    onMotion(-30000, 32000);
    EXPECT_LT(scene.controlPoints[1].x, -30);
    onMotion(320, 80);
    EXPECT_NEAR(scene.controlPoints[1].x, -0.1, 1e-12);
    EXPECT_NEAR(scene.controlPoints[1].y, 0.4, 1e-12);
}

// After a release, a press on nothing leaves no selection and the drag moves nothing.
TEST_F(InputTest, MissAfterReleaseDragsNothing) {
    onMouse(LEFT, DOWN, 160, 400);
    onMouse(LEFT, UP, 160, 400);
    onMouse(LEFT, DOWN, 700, 700);
    EXPECT_EQ(scene.selectedPoint, -1);
    onMotion(650, 650);
    onMotion(100, 100);
    EXPECT_TRUE(sameControlPoints(scene.controlPoints, START_CONTROL_POINTS));
    EXPECT_EQ(glRecorder::count(GlFunction::PostRedisplay), 5u);
}

// The zoom drag, with the right or the middle button: 0.1 per 100 pixels, clamped to 0.1..5 by
// the direction of the movement.
TEST_F(InputTest, ZoomDragStepsAndBounds) {
    struct Case {
        int button;
        double from;
        int dy;
        double to;
    };
    for (const Case& c : {Case{RIGHT, 2.0, -100, 2.1}, Case{RIGHT, 2.0, 100, 1.9}, Case{RIGHT, 4.95, -100, 5.0},
                          Case{RIGHT, 0.15, 100, 0.1}, Case{RIGHT, 3.3, 0, 3.3}, Case{MIDDLE, 2.0, -100, 2.1},
                          Case{MIDDLE, 2.0, 100, 1.9}}) {
        scene = SceneState{};
        scene.zoom = c.from;
        onMouse(c.button, DOWN, 400, 400);
        onMotion(420, 400 + c.dy);
        EXPECT_DOUBLE_EQ(scene.zoom, c.to) << "button " << c.button << ": " << c.from << " by " << c.dy;
        EXPECT_EQ(scene.zoomAnchorY, 400 + c.dy);
    }
    // Bounds are exact, not merely approached.
    scene.zoom = 4.95;
    onMotion(0, scene.zoomAnchorY - 100);
    EXPECT_EQ(scene.zoom, 5.0);
    scene.zoom = 0.15;
    onMotion(0, scene.zoomAnchorY + 100);
    EXPECT_EQ(scene.zoom, 0.1);
}

// Releases end only their own drag: any non-left release ends the zoom drag, even with
// another such button held; the left release ends only the point drag.
TEST_F(InputTest, ReleasesEndTheirOwnDrag) {
    onMouse(RIGHT, DOWN, 400, 400);
    onMouse(MIDDLE, DOWN, 400, 400);
    onMouse(MIDDLE, UP, 400, 400);
    EXPECT_FALSE(scene.zoomDragActive);

    onMouse(LEFT, DOWN, 160, 400);
    onMouse(RIGHT, DOWN, 160, 400);
    onMouse(8, UP, 160, 400);
    EXPECT_EQ(scene.selectedPoint, 0);
    EXPECT_FALSE(scene.zoomDragActive);
    onMouse(RIGHT, DOWN, 160, 400);
    onMouse(LEFT, UP, 160, 400);
    EXPECT_EQ(scene.selectedPoint, -1);
    EXPECT_TRUE(scene.zoomDragActive);
}

// With both drags on, one motion moves the point at the old zoom, then changes the zoom.
TEST_F(InputTest, PointDragUsesTheZoomFromBeforeTheEvent) {
    onMouse(LEFT, DOWN, 320, 80);
    onMouse(RIGHT, DOWN, 320, 80);
    onMotion(320, 40);
    EXPECT_NEAR(scene.controlPoints[1].y, 0.4 + 0.1 / 2.0, 1e-15);
    EXPECT_DOUBLE_EQ(scene.zoom, 2.04);
}

// Arrows move all four points by 0.1; a drag in progress continues from the moved point.
TEST_F(InputTest, ArrowsMoveTheWholeCurve) {
    onSpecialKey(GLUT_KEY_UP, 0, 0);
    EXPECT_DOUBLE_EQ(scene.controlPoints[0].y, 0.1);
    EXPECT_DOUBLE_EQ(scene.controlPoints[3].y, 0.1);
    onSpecialKey(GLUT_KEY_LEFT, 0, 0);
    EXPECT_DOUBLE_EQ(scene.controlPoints[0].x, -0.4);
    EXPECT_DOUBLE_EQ(scene.controlPoints[3].x, 0.2);
    onSpecialKey(GLUT_KEY_RIGHT, 0, 0);
    onSpecialKey(GLUT_KEY_DOWN, 0, 0);
    EXPECT_NEAR(scene.controlPoints[2].x, 0.1, 1e-15);
    EXPECT_NEAR(scene.controlPoints[2].y, 0.4, 1e-15);

    scene = SceneState{};
    onMouse(LEFT, DOWN, 320, 80);
    onSpecialKey(GLUT_KEY_RIGHT, 0, 0);
    EXPECT_EQ(scene.selectedPoint, 1);
    onMotion(360, 80);
    EXPECT_NEAR(scene.controlPoints[1].x, -0.1 + 0.1 + 0.05, 1e-15);
    EXPECT_NEAR(scene.controlPoints[0].x, -0.3 + 0.1, 1e-15);
}

// Function keys set the half-waves; r toggles the resolution; a and s step the amplitude
// without bound; every other key changes nothing.
TEST_F(InputTest, KeyCommands) {
    onSpecialKey(GLUT_KEY_F3, 0, 0);
    EXPECT_EQ(scene.waveCount, 3.0);
    onSpecialKey(GLUT_KEY_F12, 0, 0);
    EXPECT_EQ(scene.waveCount, 12.0);

    for (unsigned char key : {'r', 'R', 'r'}) {
        const double before = scene.segmentCount;
        onKeyboard(key, 0, 0);
        EXPECT_EQ(scene.segmentCount, before == 100.0 ? 512.0 : 100.0) << key;
    }

    scene = SceneState{};
    onKeyboard('a', 0, 0);
    EXPECT_EQ(scene.waveAmplitude, 0.1 + 0.01);
    onKeyboard('A', 0, 0);
    for (int k = 0; k < 13; ++k) onKeyboard(k % 2 ? 's' : 'S', 0, 0);
    EXPECT_NEAR(scene.waveAmplitude, -0.01, 1e-12);
}

// Keys without a binding leave the state alone; every handler call, whatever it did,
// asks for exactly one redraw.
TEST_F(InputTest, UnboundKeysChangeNothingAndEveryCallRedrawsOnce) {
    const SceneState before = scene;
    for (int key : {GLUT_KEY_HOME, GLUT_KEY_END, GLUT_KEY_PAGE_UP, GLUT_KEY_INSERT, 0, 13, -1, 1000}) {
        onSpecialKey(key, 5, 5);
    }
    for (int key : {int{'x'}, int{' '}, 27, 0, 255}) onKeyboard(static_cast<unsigned char>(key), 5, 5);
    EXPECT_TRUE(sameInteractionState(scene, before));
    EXPECT_EQ(glRecorder::count(GlFunction::PostRedisplay), 13u);

    glRecorder::reset();
    onMouse(LEFT, DOWN, 0, 0);
    onMouse(LEFT, UP, 0, 0);
    onMouse(RIGHT, DOWN, 0, 0);
    onMotion(3, 3);
    onMouse(RIGHT, UP, 0, 0);
    onMotion(4, 4);
    onSpecialKey(GLUT_KEY_UP, 0, 0);
    onKeyboard('r', 0, 0);
    EXPECT_EQ(glRecorder::count(GlFunction::PostRedisplay), 8u);
}
