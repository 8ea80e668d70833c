// replay_events.cpp: the desktop's handlers, with the desktop's GLU on an 800 x 800 window, fed the
// events named on the command line; prints the scene they leave, every number exact, and the points
// that a frame of it hands to GL's marker pass, as the web page's readout gives them. The browser
// tests compare the page's scene with this one.
//
//   replay_events mouse BUTTON STATE X Y | motion X Y | special KEY | key CODE ...
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/scene_state.h"
#include "input/keyboard.h"
#include "input/mouse.h"
#include "render/display.h"
#include "support/gl_recorder.h"

namespace {

int number(char** argv, int k) {
    return std::atoi(argv[k]);
}

// Draws a frame on the recorder and counts its marker pass's points, the frame's only GL_POINTS.
int markerPoints() {
    glRecorder::reset(800, 800);
    display();
    const std::vector<GlCall>& calls = glRecorder::calls();
    std::size_t begins = 0;
    for (const GlCall& call : calls) {
        if (call.function != GlFunction::Begin) continue;
        if (call.args[0] == GL_POINTS) return static_cast<int>(glRecorder::verticesOfPrimitive(begins).size());
        ++begins;
    }
    return 0;
}

void printScene() {
    const int points = markerPoints();
    const ControlPoints& p = scene.controlPoints;
    std::printf(
        "{\"waveCount\":%.17g,\"waveAmplitude\":%.17g,\"segmentCount\":%.17g,\"zoom\":%.17g,"
        "\"controlPoints\":[%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g],\"selectedPoint\":%d,"
        "\"zoomDragActive\":%s,\"lastMouse\":[%d,%d],\"zoomAnchorY\":%d,\"markerPoints\":%d}\n",
        scene.waveCount, scene.waveAmplitude, scene.segmentCount, scene.zoom, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x,
        p[2].y, p[3].x, p[3].y, scene.selectedPoint, scene.zoomDragActive ? "true" : "false", scene.lastMouseX,
        scene.lastMouseY, scene.zoomAnchorY, points);
}

}  // namespace

int main(int argc, char** argv) {
    glRecorder::reset(800, 800);
    int k = 1;
    while (k < argc) {
        const char* event = argv[k];
        if (std::strcmp(event, "mouse") == 0 && k + 4 < argc) {
            onMouse(number(argv, k + 1), number(argv, k + 2), number(argv, k + 3), number(argv, k + 4));
            k += 5;
        } else if (std::strcmp(event, "motion") == 0 && k + 2 < argc) {
            onMotion(number(argv, k + 1), number(argv, k + 2));
            k += 3;
        } else if (std::strcmp(event, "special") == 0 && k + 1 < argc) {
            onSpecialKey(number(argv, k + 1), 0, 0);
            k += 2;
        } else if (std::strcmp(event, "key") == 0 && k + 1 < argc) {
            onKeyboard(static_cast<unsigned char>(number(argv, k + 1)), 0, 0);
            k += 2;
        } else {
            std::fprintf(stderr, "replay_events: cannot read the event at '%s'\n", event);
            return 2;
        }
    }
    printScene();
    return 0;
}
