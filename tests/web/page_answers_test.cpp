// page_answers_test.cpp: what the program answers the page, on the recording stand-in with the
// desktop's GLU: a corner step is the very drag a mouse gives that corner, or a refusal that changes
// nothing; a zoom step is a zoom drag; the scene and the facts are written as the page reads them;
// the wave handed to the page's sound is the one the frame drew.
#include <gtest/gtest.h>

#include <GL/freeglut.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "app/drawing_link.h"
#include "app/scene_state.h"
#include "input/mouse.h"
#include "platform/page_answers.h"
#include "render/display.h"
#include "support/gl_recorder.h"

namespace {

// The scene a link names, with no press held.
SceneState sceneOf(const char* link) {
    SceneState state;
    applyDrawing(readDrawing(link).drawing, state);
    return state;
}

// Every field the handlers may touch, bit for bit.
void expectSameScene(const SceneState& a, const SceneState& b) {
    EXPECT_EQ(std::memcmp(a.controlPoints.data(), b.controlPoints.data(), sizeof a.controlPoints), 0);
    EXPECT_EQ(std::memcmp(&a.zoom, &b.zoom, sizeof a.zoom), 0);
    EXPECT_EQ(a.selectedPoint, b.selectedPoint);
    EXPECT_EQ(a.zoomDragActive, b.zoomDragActive);
    EXPECT_EQ(a.lastMouseX, b.lastMouseX);
    EXPECT_EQ(a.lastMouseY, b.lastMouseY);
    EXPECT_EQ(a.zoomAnchorY, b.zoomAnchorY);
}

// The scene after a button's press at (x, y), one motion by (dx, dy) and the release there.
SceneState afterDrag(const SceneState& start, int button, int x, int y, int dx, int dy) {
    scene = start;
    onMouse(button, GLUT_DOWN, x, y);
    onMotion(x + dx, y + dy);
    onMouse(button, GLUT_UP, x + dx, y + dy);
    return scene;
}

class PageAnswersTest : public testing::Test {
protected:
    void SetUp() override {
        scene = SceneState{};
        glRecorder::reset(800, 800);
    }
};

}  // namespace

TEST_F(PageAnswersTest, CornerStepsDragFromTheDrawnPixelOrSayWhyNot) {
    struct Case {
        const char* link;
        int corner, dx, dy;
        const char* refusal;  // "" where the step drags
        int pressX, pressY;   // where a drag starts
    };
    const std::string startUp = "p=-0.3,0,-0.1,0.4,0.1,0.4,0.3,0";
    const Case cases[] = {
        {"", 2, 0, 8, "", 480, 80},
        {"", 0, -8, 0, "", 160, 400},
        {"z=2.15", 3, 8, -8, "", 658, 400},
        // Drawn at the left edge's pixel centre, and half a pixel past the right edge.
        {"p=-0.5,0,-0.1,0.4,0.1,0.4,0.5,0", 0, 8, 0, "", 0, 400},
        {"p=-0.5,0,-0.1,0.4,0.1,0.4,0.5,0", 3, -8, 0, "P3 lies outside the drawing: move the curve or zoom out first", 0, 0},
        {"p=-0.3,0,-0.1,0.4,0.1,0.4,0.3,-0.5", 3, 0, -8, "P3 lies outside the drawing: move the curve or zoom out first", 0, 0},
        {"p=-0.3,0,-0.3,0,0.1,0.4,0.3,0", 1, 0, 8, "P1 lies on P0 here: drag it, or move P0 away first", 0, 0},
        {"p=-0.3,0,-0.3,0,0.1,0.4,0.3,0", 0, 0, 8, "", 160, 400},
        {"p=-0.3,0,-0.1,0.4,0.3,0,0.3,0", 3, 0, 8, "P3 lies on P2 here: drag it, or move P2 away first", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.link) + " P" + std::to_string(c.corner));
        const SceneState start = sceneOf(c.link);
        const SceneState expected =
            c.refusal[0] == '\0' ? afterDrag(start, GLUT_LEFT_BUTTON, c.pressX, c.pressY, c.dx, c.dy) : start;
        scene = start;
        const StepAnswer answer = stepCorner(c.corner, c.dx, c.dy);
        EXPECT_EQ(answer.refusal, c.refusal);
        expectSameScene(scene, expected);
        if (c.refusal[0] == '\0') {
            EXPECT_EQ(answer.releaseX, c.pressX + c.dx);
            EXPECT_EQ(answer.releaseY, c.pressY + c.dy);
        }
    }
    scene = SceneState{};
    EXPECT_EQ(stepAnswerJson(stepCorner(2, 0, 8)), "{\"refusal\":\"\",\"release\":[480,88]}");
}

TEST_F(PageAnswersTest, ZoomStepsAreZoomDragsFromTheCentre) {
    for (const int direction : {1, -1}) {
        const SceneState start = sceneOf("z=4.95");
        const SceneState expected = afterDrag(start, GLUT_MIDDLE_BUTTON, 400, 400, 0, -direction * 100);
        scene = start;
        const StepAnswer answer = stepZoom(direction);
        expectSameScene(scene, expected);
        EXPECT_EQ(answer.refusal, "");
        EXPECT_EQ(answer.releaseY, 400 - direction * 100);
    }
    EXPECT_EQ(scene.zoom, 4.95 - 0.1);
}

TEST_F(PageAnswersTest, DrawnCornersAndTheSceneAsThePageReadsThem) {
    scene = sceneOf("p=-0.3,-0,-0.1,0.4,0.1,0.4,0.3,0&a=0.30000000000000004&z=2.15");
    const Point2d p3 = drawnCornerPixel(3);
    EXPECT_DOUBLE_EQ(p3.x, 400 + 400 * static_cast<double>(static_cast<float>(0.3 * 2.15)));
    EXPECT_EQ(p3.y, 400);
    scene.selectedPoint = 2;
    scene.lastMouseX = 7;
    scene.lastMouseY = -3;
    EXPECT_EQ(sceneJson(24),
              "{\"waveCount\":10,\"waveAmplitude\":0.30000000000000004,\"segmentCount\":100,\"zoom\":2.1499999999999999,"
              "\"controlPoints\":[-0.29999999999999999,-0,-0.10000000000000001,0.40000000000000002,0.10000000000000001,"
              "0.40000000000000002,0.29999999999999999,0],\"selectedPoint\":2,\"zoomDragActive\":false,"
              "\"lastMouse\":[7,-3],\"zoomAnchorY\":0,\"markerPoints\":24}");
    const std::string facts = programFactsJson();
    for (const char* fact : {"\"left\":0,\"middle\":1,\"right\":2,\"wheelUp\":3,\"wheelDown\":4", "\"forward\":8",
                             "\"down\":0,\"up\":1", "\"F1\":1,", "\"F12\":12,\"ArrowLeft\":100", "\"ArrowDown\":103",
                             "\"characterKeys\":\"rRaAsS\"", "\"fewestWaves\":1,\"mostWaves\":12,\"fineSteps\":512",
                             "\"spot\":[400,400],\"stepPixels\":100,\"pixelsPerZoom\":1000,\"least\":0.10000000000000001,\"most\":5"}) {
        EXPECT_NE(facts.find(fact), std::string::npos) << fact;
    }
}

// The polyline is the start of every drawn wave segment, then the end of the last, each vertex to
// the bit; the markers are the marker pass's vertices, each with its earlier segment's step.
TEST_F(PageAnswersTest, TheDrawnWaveIsTheFramesWaveAndMarkerVertices) {
    for (const char* link : {"", "p=-0.3,0,-0.1,0.4,0.1,0.4,0.3,0&n=12&a=0.30000000000000016&s=512&z=2",
                             "p=-0.3,0,-0.3,0,0.1,0.4,0.3,0&n=7&a=0.3&z=2.15"}) {
        SCOPED_TRACE(link);
        scene = sceneOf(link);
        glRecorder::reset(800, 800);
        display();
        const std::vector<std::array<float, 2>> segments = glRecorder::verticesOfPrimitive(2);
        const std::vector<std::array<float, 2>> markers = glRecorder::verticesOfPrimitive(3);
        const std::vector<float> drawn = drawnWave();
        const std::size_t points = segments.size() / 2 + 1;
        ASSERT_EQ(drawn.size(), 2 + 2 * points + 3 * markers.size());
        EXPECT_EQ(drawn[0], points);
        EXPECT_EQ(drawn[1], markers.size());
        const auto point = [&drawn](std::size_t k) { return std::array<float, 2>{drawn[2 + 2 * k], drawn[3 + 2 * k]}; };
        for (std::size_t k = 0; k < points; ++k) {
            const std::array<float, 2>& vertex = k + 1 < points ? segments[2 * k] : segments.back();
            EXPECT_EQ(std::memcmp(point(k).data(), vertex.data(), sizeof vertex), 0) << k;
        }
        float lastStep = 0;
        for (std::size_t k = 0; k < markers.size(); ++k) {
            const float* marker = &drawn[2 + 2 * points + 3 * k];
            EXPECT_EQ(std::memcmp(marker, markers[k].data(), sizeof markers[k]), 0) << k;
            const float step = marker[2];
            // The earlier segment's: markerPoints' own tests check that it crosses there.
            EXPECT_TRUE(step >= lastStep && step + 1 < points) << k;
            lastStep = step;
        }
        EXPECT_EQ(markers.empty(), link[0] == '\0');
    }
}
